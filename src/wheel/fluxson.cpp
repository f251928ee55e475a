#include "fluxson.h"

#include <QAudioDeviceInfo>
#include <QAudioOutput>

#include <algorithm>
#include <cstring>

namespace {

// Audio queued ahead of the sound card: bounds how late a tick may start.
constexpr int latenceMs = 30;

} // namespace

FluxSon::FluxSon(const Wav &wav)
    : wav(wav),
      position(wav.pcm.size()),
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

void FluxSon::rejouer()
{
    position = 0;
}

void FluxSon::arreter()
{
    position = wav.pcm.size();
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

qint64 FluxSon::readData(char *data, qint64 maxlen)
{
    // A restart that lands during this read wins: the position is only
    // advanced if it is still the one read here.
    int debut = position.load();
    const qint64 restant = std::min<qint64>(wav.pcm.size() - debut, maxlen);
    std::memcpy(data, wav.pcm.constData() + debut, size_t(restant));
    position.compare_exchange_strong(debut, debut + int(restant));
    // Unsigned 8-bit samples are silent at mid-scale.
    const char silence = wav.format.sampleType() == QAudioFormat::UnSignedInt ? char(0x80) : 0;
    std::memset(data + restant, silence, size_t(maxlen - restant));
    return maxlen;
}

qint64 FluxSon::writeData(const char *, qint64)
{
    return -1;
}
