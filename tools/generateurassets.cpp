#include "generateurassets.h"

#include "fichierico.h"
#include "geometrieroue.h"
#include "grain.h"
#include "peintrelegende.h"
#include "peintremarques.h"
#include "peintreroue.h"
#include "peintreson.h"
#include "sontic.h"

#include <QFile>
#include <QImageWriter>
#include <QPainter>

namespace {

QImage grain(int largeur, int hauteur)
{
    QImage image(largeur, hauteur, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(Grain::couleur());
    peintre.drawPath(Grain(QRectF(image.rect())).chemin());
    return image;
}

// The bean centred on a square canvas, for the desktop's icon theme.
QImage grainCarre(int cote)
{
    QImage image(cote, cote, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const int hauteur = cote * GeometrieRoue::tailleGrain.height() / GeometrieRoue::tailleGrain.width();
    QPainter peintre(&image);
    peintre.drawImage(0, (cote - hauteur) / 2, grain(cote, hauteur));
    return image;
}

} // namespace

GenerateurAssets::GenerateurAssets(const QString &cheminDeLaTable, const QString &policesDejaVu)
    : cheminTable(cheminDeLaTable),
      dossierPolices(policesDejaVu),
      polices(),
      table(),
      sortie()
{
}

bool GenerateurAssets::generer(const QString &dossier, QString *erreur)
{
    if (!polices.charger(dossierPolices, erreur) || !table.charger(cheminTable, erreur))
        return false;
    sortie = QDir(dossier);
    if (!sortie.mkpath(QStringLiteral("."))) {
        *erreur = QStringLiteral("cannot create %1").arg(dossier);
        return false;
    }
    const QImage roue = PeintreRoue(table, polices).dessiner(erreur);
    if (roue.isNull())
        return false;
    const PeintreMarques marques(polices);
    const PeintreSon son;
    return ecrirePng(roue, QStringLiteral("dravoune.png"), erreur)
        && ecrirePng(PeintreLegende(polices).dessiner(), QStringLiteral("legende_roue.png"), erreur)
        && ecrirePng(grain(GeometrieRoue::tailleGrain.width(), GeometrieRoue::tailleGrain.height()), QStringLiteral("grain.png"), erreur)
        && ecrirePng(marques.logoEditeur(), QStringLiteral("logo_tesk.png"), erreur)
        && ecrirePng(son.dessiner(false), QStringLiteral("sound.png"), erreur)
        && ecrirePng(son.dessiner(true), QStringLiteral("soundoff.png"), erreur)
        && ecrirePng(marques.logoVarnoze(), QStringLiteral("varnoze.png"), erreur)
        // The window icon is the hub bean at 45 %, drawn at that size
        // rather than shrunk, so that its edge stays crisp.
        && ecrire(FichierIco(grain(45, 41)).octets(), QStringLiteral("grain.ico"), erreur)
        && ecrire(SonTic().wav(), QStringLiteral("tic-ancien1.wav"), erreur)
        && ecrireIcones(erreur);
}

bool GenerateurAssets::ecrireIcones(QString *erreur) const
{
    if (!sortie.mkpath(QStringLiteral("icones"))) {
        *erreur = QStringLiteral("cannot create %1").arg(sortie.filePath(QStringLiteral("icones")));
        return false;
    }
    for (int cote : {16, 24, 32, 48, 64, 128, 256, 512}) {
        if (!ecrirePng(grainCarre(cote), QStringLiteral("icones/dravoune-%1.png").arg(cote), erreur))
            return false;
    }
    return true;
}

bool GenerateurAssets::ecrirePng(const QImage &image, const QString &nom, QString *erreur) const
{
    // Straight alpha for pictures with transparency, plain RGB otherwise:
    // the PNG writer picks the colour type from the format.
    const QImage finale = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                        : QImage::Format_RGB32);
    QImageWriter writer(sortie.filePath(nom), "png");
    // Highest compression: the wheel is most of the program's size.
    writer.setQuality(0);
    if (!writer.write(finale)) {
        *erreur = QStringLiteral("%1: %2").arg(writer.fileName(), writer.errorString());
        return false;
    }
    return true;
}

bool GenerateurAssets::ecrire(const QByteArray &octets, const QString &nom, QString *erreur) const
{
    QFile fichier(sortie.filePath(nom));
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(octets) != octets.size()) {
        *erreur = QStringLiteral("%1: %2").arg(fichier.fileName(), fichier.errorString());
        return false;
    }
    return true;
}
