#ifndef WAV_H
#define WAV_H

#include <QAudioFormat>
#include <QByteArray>

// Uncompressed PCM samples read from a WAV file.
struct Wav
{
    QAudioFormat format;
    QByteArray pcm;

    bool isNull() const { return pcm.isEmpty(); }
};

// Integer PCM, little-endian: unsigned 8-bit or signed 16-bit samples.
QAudioFormat formatWav(int frequence, int canaux, int bits);

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
