#ifndef FLUXSON_H
#define FLUXSON_H

#include "wav.h"

#include <QIODevice>
#include <QObject>
#include <QPointer>

#include <memory>

class QTimer;

// Qt 6's QAudioOutput is a media player's; its stream output is QAudioSink.
#if QT_VERSION_MAJOR < 6
class QAudioOutput;
using SortieAudio = QAudioOutput;
#else
class QAudioSink;
using SortieAudio = QAudioSink;
#endif

// The samples of a short sound followed by silence, written to an audio
// output that it opens and owns. Once the sound has played out and some
// silence after it, the output is paused, so that an idle wheel costs no
// CPU; a restart resumes it and writes the sound at once.
class FluxSon : public QObject
{
    Q_OBJECT

public:
    explicit FluxSon(const Wav &wav);
    ~FluxSon() override;

public slots:
    // Opens the default audio output on this stream, if there is one that
    // can play the sound's format.
    void ouvrirSortie();
    void rejouer();
    void arreter();

private slots:
    // Writes the rest of the sound, then silence, as far as the output has
    // room; pauses it after enough silence.
    void ecrire();

private:
    const Wav wav;
    int position;   // next byte to play; the sound's size when silent
    qint64 silence; // bytes of silence written since the sound ended
    const qint64 silenceAvantVeille;
    QTimer *minuterie; // runs while the output plays, stops when we pause it
    std::unique_ptr<SortieAudio> sortie;
    // The output's, written to; the output frees it when it closes, which
    // it does by itself when the audio server goes away.
    QPointer<QIODevice> entree;
};

#endif
