#ifndef WAV_H
#define WAV_H

#include <QByteArray>

// Integer PCM, little-endian: unsigned 8-bit or signed 16-bit samples.
struct FormatWav
{
    int frequence = 0;
    int canaux = 0;
    int bits = 0;

    bool valide() const { return frequence > 0 && canaux > 0 && (bits == 8 || bits == 16); }
    int octetsParTrame() const { return canaux * bits / 8; }
    bool operator==(const FormatWav &f) const
    {
        return frequence == f.frequence && canaux == f.canaux && bits == f.bits;
    }
};

// Uncompressed PCM samples read from a WAV file.
struct Wav
{
    FormatWav format;
    QByteArray pcm;

    bool isNull() const { return pcm.isEmpty(); }
};

// Largest file the reader accepts: a tick is a fraction of a second.
constexpr qint64 tailleWavMax = qint64(4) * 1024 * 1024;

// Parses a RIFF/WAVE file holding 8- or 16-bit integer PCM, plain or
// extensible. Anything else (24 or 32 bits, float, compressed codings),
// and any file whose chunks claim more bytes than it holds, gives a null
// Wav: a broken tick is silence, never a guess. Not libsndfile: it plays
// what there is of a data chunk that claims more, decodes FLAC, Ogg or MP3
// before we could refuse them, and refuses data before the format.
Wav lireWav(const QByteArray &fichier);

// Reads the file at `chemin`, refusing files over tailleWavMax unread.
Wav chargerWav(const QString &chemin);

// The RIFF/WAVE file that lireWav() reads back as `wav`.
QByteArray ecrireWav(const Wav &wav);

#endif
