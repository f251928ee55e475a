#ifndef FLUXSON_H
#define FLUXSON_H

#include "wav.h"

#include <QIODevice>

#include <memory>

class QAudioOutput;

// The samples of a short sound followed by silence, pulled by an audio
// output that it opens and owns. Once the sound has played out and some
// silence after it, the output is paused, so that an idle wheel costs no
// CPU; a restart resumes it.
class FluxSon : public QIODevice
{
    Q_OBJECT

public:
    explicit FluxSon(const Wav &wav);
    ~FluxSon() override;

    bool isSequential() const override;

public slots:
    // Opens the default audio output on this stream, if there is one that
    // can play the sound's format.
    void ouvrirSortie();
    void rejouer();
    void arreter();

private slots:
    void mettreEnVeille();

protected:
    qint64 readData(char *data, qint64 maxlen) override;
    qint64 writeData(const char *data, qint64 len) override;

private:
    const Wav wav;
    int position;         // next byte to play; the sound's size when silent
    qint64 silence;       // bytes of silence pulled since the sound ended
    const qint64 silenceAvantVeille;
    bool enVeille;        // the output is paused by us
    std::unique_ptr<QAudioOutput> sortie;
};

#endif
