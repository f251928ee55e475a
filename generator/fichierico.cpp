#include "fichierico.h"

#include "alphadroit.h"

#include <QDataStream>
#include <QIODevice>

FichierIco::FichierIco(const QImage &source)
    : image(alphaDroit(source))
{}

QByteArray FichierIco::octets() const
{
    const QByteArray donnees = pixels() + masque();
    constexpr quint32 tailleEntete = 40;
    constexpr quint32 debutImage = 6 + 16;
    QByteArray resultat;
    QDataStream flux(&resultat, QIODevice::WriteOnly);
    flux.setByteOrder(QDataStream::LittleEndian);
    // Directory: one entry.
    flux << quint16(0) << quint16(1) << quint16(1);
    flux << quint8(image.width()) << quint8(image.height()) << quint8(0) << quint8(0) << quint16(1)
         << quint16(32) << quint32(tailleEntete + donnees.size()) << debutImage;
    // The bitmap header counts the colour rows and the mask rows together,
    // hence twice the height.
    flux << tailleEntete << qint32(image.width()) << qint32(2 * image.height()) << quint16(1) << quint16(32)
         << quint32(0) << quint32(donnees.size()) << qint32(0) << qint32(0) << quint32(0) << quint32(0);
    flux.writeRawData(donnees.constData(), int(donnees.size()));
    return resultat;
}

QByteArray FichierIco::pixels() const
{
    // Bottom row first, each pixel as B, G, R and straight alpha.
    QByteArray resultat;
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            resultat.append(char(qBlue(p)))
                .append(char(qGreen(p)))
                .append(char(qRed(p)))
                .append(char(qAlpha(p)));
        }
    }
    return resultat;
}

QByteArray FichierIco::masque() const
{
    // A set bit means transparent; readers that ignore alpha cut the picture
    // along half coverage. Rows are padded to whole 32-bit words.
    const int octetsParLigne = (image.width() + 31) / 32 * 4;
    QByteArray resultat;
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray ligne(octetsParLigne, '\0');
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) < 128)
                ligne[x / 8] = char(ligne[x / 8] | (0x80 >> (x % 8)));
        }
        resultat.append(ligne);
    }
    return resultat;
}
