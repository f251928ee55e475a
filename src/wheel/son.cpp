#include "son.h"

#include <QAudioDeviceInfo>
#include <QAudioOutput>

#include <algorithm>
#include <cstring>

namespace {

// Audio queued ahead of the sound card: bounds how late a tick may start.
constexpr int latenceMs = 30;

} // namespace

Son::Son(const QString &chemin)
    : wav(chargerWav(chemin)),
      position(wav.pcm.size()),
      sortie()
{
    if (wav.isNull())
        return;
    // Unbuffered: QIODevice would otherwise read 16 kB ahead, which delays
    // a tick by a fifth of a second.
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    const QAudioDeviceInfo peripherique = QAudioDeviceInfo::defaultOutputDevice();
    if (peripherique.isNull() || !peripherique.isFormatSupported(wav.format))
        return;
    sortie = std::make_unique<QAudioOutput>(peripherique, wav.format);
    // The low-latency category feeds the stream every 10 ms instead of 20.
    sortie->setCategory(QStringLiteral("game"));
    sortie->setBufferSize(wav.format.bytesForDuration(qint64(latenceMs) * 1000));
    sortie->start(this);
}

Son::~Son()
{
    if (sortie)
        sortie->stop();
}

void Son::play()
{
    position = 0;
}

void Son::stop()
{
    position = wav.pcm.size();
}

bool Son::isSequential() const
{
    return true;
}

qint64 Son::readData(char *data, qint64 maxlen)
{
    const qint64 restant = std::min<qint64>(wav.pcm.size() - position, maxlen);
    std::memcpy(data, wav.pcm.constData() + position, size_t(restant));
    position += int(restant);
    // Unsigned 8-bit samples are silent at mid-scale.
    const char silence = wav.format.sampleType() == QAudioFormat::UnSignedInt ? char(0x80) : 0;
    std::memset(data + restant, silence, size_t(maxlen - restant));
    return maxlen;
}

qint64 Son::writeData(const char *, qint64)
{
    return -1;
}
