#include "wav.h"

#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <cstring>

namespace {

quint16 mot(const char *p)
{
    return qFromLittleEndian<quint16>(p);
}
quint32 long32(const char *p)
{
    return qFromLittleEndian<quint32>(p);
}

constexpr quint16 formatPcm = 1;
constexpr quint16 formatExtensible = 0xFFFE;

// Reads the "fmt " chunk; returns an invalid format for anything we can't play.
FormatWav lireFormat(const char *p, quint32 taille)
{
    if (taille < 16)
        return {};
    quint16 codage = mot(p);
    // An extensible format names its coding by a GUID: that of an old format
    // code is the code followed by this tail. Any other GUID is a coding of
    // someone else's, read as silence.
    static const char queueGuid[] = "\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71";
    if (codage == formatExtensible)
        codage = taille >= 40 && std::memcmp(p + 26, queueGuid, 14) == 0 ? mot(p + 24) : 0;
    const quint16 canaux = mot(p + 2);
    const quint32 frequence = long32(p + 4);
    const quint16 bloc = mot(p + 12);
    const quint16 bits = mot(p + 14);
    if (codage != formatPcm || (bits != 8 && bits != 16) || canaux < 1 || canaux > 8 || frequence < 1000
        || frequence > 384000 || bloc != canaux * bits / 8)
        return {};
    return {int(frequence), canaux, bits};
}

} // namespace

Wav lireWav(const QByteArray &fichier)
{
    const qint64 taille = fichier.size();
    if (taille < 12 || !fichier.startsWith("RIFF") || fichier.mid(8, 4) != "WAVE")
        return Wav();

    Wav wav;
    bool donnees = false;
    for (qint64 pos = 12; pos + 8 <= taille;) {
        const char *entete = fichier.constData() + pos;
        const qint64 longueur = long32(entete + 4);
        if (longueur > taille - pos - 8)
            return Wav();
        const char *contenu = entete + 8;
        if (qstrncmp(entete, "fmt ", 4) == 0)
            wav.format = lireFormat(contenu, quint32(longueur));
        else if (qstrncmp(entete, "data", 4) == 0 && !donnees) {
            wav.pcm = QByteArray(contenu, int(longueur));
            donnees = true;
        }
        pos += 8 + longueur + (longueur & 1); // chunks are word-aligned
    }
    if (!wav.format.valide() || wav.pcm.size() < wav.format.octetsParTrame())
        return Wav();
    // Whole frames only.
    wav.pcm.truncate(wav.pcm.size() - wav.pcm.size() % wav.format.octetsParTrame());
    return wav;
}

Wav chargerWav(const QString &chemin)
{
    // Only a regular file: a pipe or a device could block or never end.
    if (!QFileInfo(chemin).isFile())
        return Wav();
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly) || fichier.size() > tailleWavMax)
        return Wav();
    return lireWav(fichier.read(tailleWavMax + 1));
}

QByteArray ecrireWav(const Wav &wav)
{
    const FormatWav &f = wav.format;
    const quint32 taille = quint32(wav.pcm.size());
    QByteArray octets;
    QDataStream flux(&octets, QIODevice::WriteOnly);
    flux.setByteOrder(QDataStream::LittleEndian);
    flux.writeRawData("RIFF", 4);
    flux << quint32(36 + taille + (taille & 1));
    flux.writeRawData("WAVEfmt ", 8);
    flux << quint32(16) << formatPcm << quint16(f.canaux) << quint32(f.frequence)
         << quint32(f.frequence * f.octetsParTrame()) << quint16(f.octetsParTrame()) << quint16(f.bits);
    flux.writeRawData("data", 4);
    flux << taille;
    flux.writeRawData(wav.pcm.constData(), int(wav.pcm.size()));
    if (taille & 1)
        flux << quint8(0); // chunks are word-aligned
    return octets;
}
