#include "alphadroit.h"
#include "fichierico.h"
#include "geometrieroue.h"
#include "grain.h"
#include "peintreroue.h"
#include "peintres.h"
#include "polices.h"
#include "sontic.h"
#include "tablecafes.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>

#include <cstdio>

namespace {

QImage grain(int largeur, int hauteur)
{
    QImage image(largeur, hauteur, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(QColor(GeometrieRoue::brunGrain));
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
    lumiere.setColorAt(1, QColor(GeometrieRoue::brunGrain));
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

bool ecrirePng(const QImage &image, const QString &chemin, QString *erreur)
{
    // Straight alpha for pictures with transparency, plain RGB otherwise:
    // the PNG writer picks the colour type from the format.
    QImage finale = image.hasAlphaChannel() ? alphaDroit(image) : image.convertToFormat(QImage::Format_RGB32);
    // The file records a resolution, which Qt takes from the screen: the
    // committed files have 100 dpi, in dots per metre.
    finale.setDotsPerMeterX(3937);
    finale.setDotsPerMeterY(3937);
    QImageWriter writer(chemin, "png");
    // Highest compression: the wheel is most of the program's size.
    writer.setQuality(0);
    if (!writer.write(finale)) {
        *erreur = QStringLiteral("%1: %2").arg(writer.fileName(), writer.errorString());
        return false;
    }
    return true;
}

bool ecrire(const QByteArray &octets, const QString &chemin, QString *erreur)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(octets) != octets.size()) {
        *erreur = QStringLiteral("%1: %2").arg(fichier.fileName(), fichier.errorString());
        return false;
    }
    return true;
}

// Writes the whole asset set into one directory, from the coffee table;
// nothing when the table or a text in it is wrong.
bool generer(const QString &cheminTable, const QString &dossierPolices, const QDir &sortie, QString *erreur)
{
    Polices polices;
    TableCafes table;
    if (!polices.charger(dossierPolices, erreur) || !table.charger(cheminTable, erreur))
        return false;
    const QImage roue = PeintreRoue(table, polices).dessiner(erreur);
    if (roue.isNull())
        return false;
    if (!sortie.mkpath(QStringLiteral("icones"))) {
        *erreur = QStringLiteral("cannot create %1").arg(sortie.filePath(QStringLiteral("icones")));
        return false;
    }
    QMap<QString, QImage> images = {
        {QStringLiteral("dravoune.png"), roue},
        {QStringLiteral("legende_roue.png"), dessinerLegende(polices)},
        {QStringLiteral("grain.png"),
         grain(GeometrieRoue::tailleGrain.width(), GeometrieRoue::tailleGrain.height())},
        {QStringLiteral("logo_tesk.png"), logoEditeur(polices)},
        {QStringLiteral("sound.png"), dessinerSon(false)},
        {QStringLiteral("soundoff.png"), dessinerSon(true)},
        {QStringLiteral("varnoze.png"), logoVarnoze(polices)},
    };
    for (int cote : {16, 24, 32, 48, 64, 128, 256, 512})
        images.insert(QStringLiteral("icones/dravoune-%1.png").arg(cote), icone(cote));
    for (auto i = images.cbegin(); i != images.cend(); ++i) {
        if (!ecrirePng(i.value(), sortie.filePath(i.key()), erreur))
            return false;
    }
    // The window icon is the hub bean at 45 %, drawn at that size rather
    // than shrunk, so that its edge stays crisp.
    return ecrire(fichierIco(grain(45, 41)), sortie.filePath(QStringLiteral("grain.ico")), erreur)
           && ecrire(sonTic(), sortie.filePath(QFileInfo(QStringLiteral(DRAVOUNE_TIC)).fileName()), erreur);
}

} // namespace

int main(int argc, char *argv[])
{
    // Fonts and painting need a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Draws the wheel, its legend, icons, logos and tick sound of Dravoune."));
    options.addHelpOption();
    const QCommandLineOption table(QStringLiteral("table"), QStringLiteral("Coffee table, tab-separated."),
                                   QStringLiteral("file"), QStringLiteral(DRAVOUNE_TABLE_CAFES));
    const QCommandLineOption polices(QStringLiteral("fonts"),
                                     QStringLiteral("Directory of the DejaVu font files."),
                                     QStringLiteral("dir"), QStringLiteral(DRAVOUNE_POLICES_DEJAVU));
    options.addOption(table);
    options.addOption(polices);
    options.addPositionalArgument(QStringLiteral("directory"), QStringLiteral("Where to write the assets."));
    options.process(application);
    if (options.positionalArguments().size() != 1)
        options.showHelp(1);
    QString erreur;
    if (!generer(options.value(table), options.value(polices), QDir(options.positionalArguments().first()),
                 &erreur)) {
        std::fprintf(stderr, "dravoune-assets: %s\n", qPrintable(erreur));
        return 1;
    }
    return 0;
}
