#include "fichierico.h"

#include "alphadroit.h"

#include <QDataStream>
#include <QIODevice>

QByteArray fichierIco(const QImage &source)
{
    const QImage image = alphaDroit(source);
    const int largeur = image.width();
    const int hauteur = image.height();
    // Mask rows are padded to whole 32-bit words.
    const qsizetype octetsParLigne = (qsizetype(largeur) + 31) / 32 * 4;
    QByteArray masque(octetsParLigne * hauteur, '\0');
    const auto taille = quint32(4 * qsizetype(largeur) * hauteur + masque.size());
    constexpr quint32 tailleEntete = 40;
    QByteArray resultat;
    QDataStream flux(&resultat, QIODevice::WriteOnly);
    flux.setByteOrder(QDataStream::LittleEndian);
    // Directory: one entry, whose bitmap follows.
    flux << quint16(0) << quint16(1) << quint16(1);
    flux << quint8(largeur) << quint8(hauteur) << quint8(0) << quint8(0) << quint16(1) << quint16(32)
         << tailleEntete + taille << quint32(6 + 16);
    // The bitmap header counts the colour rows and the mask rows together,
    // hence twice the height.
    flux << tailleEntete << qint32(largeur) << qint32(2 * hauteur) << quint16(1) << quint16(32) << quint32(0)
         << taille << qint32(0) << qint32(0) << quint32(0) << quint32(0);
    // Bottom row first, each pixel a little-endian QRgb: B, G, R and straight
    // alpha. A set bit of the mask means transparent: readers that ignore
    // alpha cut the picture along half coverage.
    for (int y = hauteur - 1; y >= 0; --y) {
        for (int x = 0; x < largeur; ++x) {
            const QRgb p = image.pixel(x, y);
            flux << quint32(p);
            if (qAlpha(p) < 128) {
                char &octet = masque[(hauteur - 1 - y) * octetsParLigne + x / 8];
                octet = char(octet | (0x80 >> (x % 8)));
            }
        }
    }
    flux.writeRawData(masque.constData(), int(masque.size()));
    return resultat;
}
