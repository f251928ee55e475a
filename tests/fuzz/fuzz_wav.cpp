// libFuzzer target: byte strings read as a tick file. The normal build
// replays the corpus through it.

#include "wav.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t taille)
{
    const QByteArray octets = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(taille));
    const Wav wav = lireWav(octets);
    if (wav.isNull())
        return 0;
    // What is played is whole frames taken from the file, and the file the
    // program would write of it reads back the same.
    const Wav relu = lireWav(ecrireWav(wav));
    if (wav.pcm.size() % wav.format.octetsParTrame() != 0 || wav.pcm.size() > octets.size()
        || !octets.contains(wav.pcm) || !(relu.format == wav.format) || relu.pcm != wav.pcm)
        std::abort();
    return 0;
}
