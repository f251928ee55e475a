#include "generateurassets.h"

#include "alphadroit.h"
#include "fichierico.h"
#include "geometrieroue.h"
#include "grain.h"
#include "peintrelegende.h"
#include "peintremarques.h"
#include "peintreroue.h"
#include "peintreson.h"
#include "sontic.h"

#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QLinearGradient>
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

// The bean for the desktop's icon theme. A sixteenth of margin, as the
// freedesktop themes draw their icons; a roast lighter than the hub's so
// that it stands out on dark panels, and a dark rim that holds it on light
// ones.
QImage icone(int cote)
{
    const QColor sombre(0x3B, 0x2A, 0x17);
    QImage image(cote, cote, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    // Half the rim lies outside the outline: the frame leaves room for it.
    const qreal bord = qMax(1.0, cote / 40.0);
    const qreal largeur = cote * 14 / 16.0 - bord;
    const qreal hauteur = largeur * GeometrieRoue::tailleGrain.height() / GeometrieRoue::tailleGrain.width();
    const Grain motif(QRectF((cote - largeur) / 2, (cote - hauteur) / 2, largeur, hauteur));
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    QLinearGradient lumiere(0, cote * 0.1, 0, cote * 0.9);
    lumiere.setColorAt(0, QColor(0xB4, 0x8A, 0x52));
    lumiere.setColorAt(1, Grain::couleur());
    peintre.setPen(QPen(sombre, bord));
    peintre.setBrush(lumiere);
    peintre.drawPath(motif.contour());
    if (cote < 32) {
        // Below 32 px the S and the pointed ends of the groove break into
        // dots: a straight stroke from end to end reads better.
        peintre.setPen(QPen(sombre, cote / 12.0 + 0.2, Qt::SolidLine, Qt::RoundCap));
        peintre.drawLine(motif.bouts());
    } else {
        peintre.setPen(Qt::NoPen);
        peintre.setBrush(sombre);
        peintre.drawPath(motif.sillon(0.22));
    }
    return image;
}

} // namespace

GenerateurAssets::GenerateurAssets(const QString &cheminDeLaTable, const QString &policesDejaVu)
    : cheminTable(cheminDeLaTable),
      dossierPolices(policesDejaVu),
      polices(),
      table(),
      sortie()
{}

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
           && ecrirePng(grain(GeometrieRoue::tailleGrain.width(), GeometrieRoue::tailleGrain.height()),
                        QStringLiteral("grain.png"), erreur)
           && ecrirePng(marques.logoEditeur(), QStringLiteral("logo_tesk.png"), erreur)
           && ecrirePng(son.dessiner(false), QStringLiteral("sound.png"), erreur)
           && ecrirePng(son.dessiner(true), QStringLiteral("soundoff.png"), erreur)
           && ecrirePng(marques.logoVarnoze(), QStringLiteral("varnoze.png"), erreur)
           // The window icon is the hub bean at 45 %, drawn at that size
           // rather than shrunk, so that its edge stays crisp.
           && ecrire(FichierIco(grain(45, 41)).octets(), QStringLiteral("grain.ico"), erreur)
           && ecrire(SonTic().wav(), QFileInfo(QStringLiteral(DRAVOUNE_TIC)).fileName(), erreur)
           && ecrireIcones(erreur);
}

bool GenerateurAssets::ecrireIcones(QString *erreur) const
{
    if (!sortie.mkpath(QStringLiteral("icones"))) {
        *erreur = QStringLiteral("cannot create %1").arg(sortie.filePath(QStringLiteral("icones")));
        return false;
    }
    for (int cote : {16, 24, 32, 48, 64, 128, 256, 512}) {
        if (!ecrirePng(icone(cote), QStringLiteral("icones/dravoune-%1.png").arg(cote), erreur))
            return false;
    }
    return true;
}

bool GenerateurAssets::ecrirePng(const QImage &image, const QString &nom, QString *erreur) const
{
    // Straight alpha for pictures with transparency, plain RGB otherwise:
    // the PNG writer picks the colour type from the format.
    QImage finale = image.hasAlphaChannel() ? alphaDroit(image) : image.convertToFormat(QImage::Format_RGB32);
    // The file records a resolution, which Qt takes from the screen: 100 dpi
    // on Qt 5's offscreen platform, 96 on Qt 6's. The committed files have
    // Qt 5's, in dots per metre.
    finale.setDotsPerMeterX(3937);
    finale.setDotsPerMeterY(3937);
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
