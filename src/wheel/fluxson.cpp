#include "fluxson.h"

#include <QTimer>

#if QT_VERSION_MAJOR < 6
#include <QAudioDeviceInfo>
#include <QAudioOutput>
#else
#include <QAudioSink>
#include <QMediaDevices>
#endif

namespace {

// Audio queued ahead of the sound card: bounds how late a tick may start.
constexpr int latenceMs = 30;
// How often the output is topped up: a third of what it holds.
constexpr int periodeMs = 10;
// Silence written after the sound before the output is paused: well past
// the queued audio, so that the end of the sound is never held back.
constexpr int silenceAvantVeilleMs = 200;

} // namespace

FluxSon::FluxSon(const Wav &wav)
    : wav(wav),
      position(int(wav.pcm.size())),
      silence(0),
      silenceAvantVeille(wav.format.bytesForDuration(qint64(silenceAvantVeilleMs) * 1000)),
      minuterie(new QTimer(this)),
      sortie(),
      entree()
{
    minuterie->setTimerType(Qt::PreciseTimer);
    connect(minuterie, &QTimer::timeout, this, &FluxSon::ecrire);
}

FluxSon::~FluxSon()
{
    // Closing the output runs the event loop: a queued restart or a top-up
    // must find no output left.
    const std::unique_ptr<SortieAudio> fermee = std::move(sortie);
    // Qt 6's sink is closed by its destructor alone: stop() would first
    // wait for the stream to drain, and on a stream the audio server has
    // just dropped, Qt 6.8 waits on an operation the server never started,
    // which makes libpulse abort the program.
#if QT_VERSION_MAJOR < 6
    if (fermee)
        fermee->stop();
#endif
}

void FluxSon::ouvrirSortie()
{
#if QT_VERSION_MAJOR < 6
    const QAudioDeviceInfo peripherique = QAudioDeviceInfo::defaultOutputDevice();
#else
    const QAudioDevice peripherique = QMediaDevices::defaultAudioOutput();
#endif
    if (peripherique.isNull() || !peripherique.isFormatSupported(wav.format))
        return;
    sortie = std::make_unique<SortieAudio>(peripherique, wav.format);
#if QT_VERSION_MAJOR < 6
    // The low-latency category asks the audio server for small requests.
    sortie->setCategory(QStringLiteral("game"));
#endif
    sortie->setBufferSize(wav.format.bytesForDuration(qint64(latenceMs) * 1000));
    entree = sortie->start();
    minuterie->start(periodeMs);
}

void FluxSon::rejouer()
{
    position = 0;
    silence = 0;
    if (!sortie)
        return;
    // The top-ups stop when the output is paused.
    if (!minuterie->isActive()) {
        // An underrun reported by the audio server after the pause turns the
        // output's state from suspended to idle, and resume() then does
        // nothing: the stream would stay paused for good. Suspending again
        // first makes the resume take.
        if (sortie->state() != QAudio::SuspendedState)
            sortie->suspend();
        sortie->resume();
        minuterie->start(periodeMs);
    }
    // At once, not at the next top-up: the little audio left queued when
    // the output was paused runs out within milliseconds of the resume, and
    // a sound that comes after the stream ran dry loses its start.
    ecrire();
}

void FluxSon::arreter()
{
    position = int(wav.pcm.size());
}

void FluxSon::ecrire()
{
    // Closed, by us or by the output itself: nothing to write to.
    if (!sortie || !entree) {
        minuterie->stop();
        return;
    }
    const int trame = wav.format.bytesPerFrame();
    // Qt 6.8 reports -1 for a stream the audio server has dropped.
    const int place = qMax(0, int(sortie->bytesFree())) / trame * trame;
    QByteArray morceau = wav.pcm.mid(position, place);
    position += int(morceau.size());
    // 8-bit samples, unsigned in WAV files, are silent at mid-scale.
    const int blanc = place - int(morceau.size());
    morceau.append(blanc, wav.format.bytesPerFrame() == wav.format.channelCount() ? char(0x80) : char(0));
    silence += blanc;
    entree->write(morceau);
    if (silence >= silenceAvantVeille) {
        sortie->suspend();
        minuterie->stop();
    }
}
