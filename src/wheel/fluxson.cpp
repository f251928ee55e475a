#include "fluxson.h"

#include <QAudioDeviceInfo>
#include <QAudioOutput>

#include <algorithm>
#include <cstring>

namespace {

// Audio queued ahead of the sound card: bounds how late a tick may start.
constexpr int latenceMs = 30;
// Silence streamed after the sound before the output is paused: well past
// the queued audio, so that the end of the sound is never held back.
constexpr int silenceAvantVeilleMs = 200;

} // namespace

FluxSon::FluxSon(const Wav &wav)
    : wav(wav),
      position(wav.pcm.size()),
      silence(0),
      silenceAvantVeille(wav.format.bytesForDuration(qint64(silenceAvantVeilleMs) * 1000)),
      enVeille(false),
      sortie()
{
    // Unbuffered: QIODevice would otherwise read 16 kB ahead, which delays
    // a tick by a fifth of a second.
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

FluxSon::~FluxSon()
{
    if (sortie)
        sortie->stop();
}

bool FluxSon::isSequential() const
{
    return true;
}

void FluxSon::ouvrirSortie()
{
    const QAudioDeviceInfo peripherique = QAudioDeviceInfo::defaultOutputDevice();
    if (peripherique.isNull() || !peripherique.isFormatSupported(wav.format))
        return;
    sortie = std::make_unique<QAudioOutput>(peripherique, wav.format);
    // The low-latency category feeds the stream every 10 ms instead of 20.
    sortie->setCategory(QStringLiteral("game"));
    sortie->setBufferSize(wav.format.bytesForDuration(qint64(latenceMs) * 1000));
    sortie->start(this);
}

void FluxSon::rejouer()
{
    position = 0;
    silence = 0;
    if (!enVeille)
        return;
    enVeille = false;
    // An underrun reported by the audio server after the pause turns the
    // output's state from suspended to idle, and resume() then does nothing:
    // the stream would stay paused for good. Suspending again first makes
    // the resume take.
    if (sortie->state() != QAudio::SuspendedState)
        sortie->suspend();
    sortie->resume();
}

void FluxSon::arreter()
{
    position = wav.pcm.size();
}

void FluxSon::mettreEnVeille()
{
    // A restart may have come in since the pause was asked for.
    if (sortie && position == wav.pcm.size()) {
        sortie->suspend();
        enVeille = true;
    }
}

qint64 FluxSon::readData(char *data, qint64 maxlen)
{
    const qint64 restant = std::min<qint64>(wav.pcm.size() - position, maxlen);
    std::memcpy(data, wav.pcm.constData() + position, size_t(restant));
    position += int(restant);
    // Unsigned 8-bit samples are silent at mid-scale.
    const char zero = wav.format.sampleType() == QAudioFormat::UnSignedInt ? char(0x80) : 0;
    std::memset(data + restant, zero, size_t(maxlen - restant));

    const qint64 avant = silence;
    silence += maxlen - restant;
    // Not from inside the output's own read: paused once the call returns.
    if (avant < silenceAvantVeille && silence >= silenceAvantVeille)
        QMetaObject::invokeMethod(this, "mettreEnVeille", Qt::QueuedConnection);
    return maxlen;
}

qint64 FluxSon::writeData(const char *, qint64)
{
    return -1;
}
