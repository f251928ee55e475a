#ifndef FLUXSON_H
#define FLUXSON_H

#include "wav.h"

#include <QIODevice>

#include <atomic>
#include <memory>

class QAudioOutput;

// The samples of a short sound followed by endless silence, pulled by an
// audio output. It lives in the audio thread; rejouer() and arreter() may
// be called from any thread.
class FluxSon : public QIODevice
{
    Q_OBJECT

public:
    explicit FluxSon(const Wav &wav);
    ~FluxSon() override;

    void rejouer();
    void arreter();

    bool isSequential() const override;

public slots:
    // Opens the default audio output on this stream, if there is one that
    // can play the sound's format.
    void ouvrirSortie();

protected:
    qint64 readData(char *data, qint64 maxlen) override;
    qint64 writeData(const char *data, qint64 len) override;

private:
    const Wav wav;
    std::atomic<int> position;   // next byte to play; the sound's size when silent
    std::unique_ptr<QAudioOutput> sortie;
};

#endif
