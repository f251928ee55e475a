#include "mesureimages.h"

#include "compteurallocations.h"
#include "compteurtextures.h"
#include "espionpeintures.h"
#include "fenetrenue.h"
#include "placement.h"
#include "roueseule.h"
#include "sonde.h"
#include "tableau.h"
#include "zoneroue.h"

#include <QElapsedTimer>

namespace {

constexpr int blocs = 12;
constexpr int parBloc = 25;
constexpr int images = blocs * parBloc;
constexpr float pasAngle = 7.3f;

} // namespace

MesureImages::MesureImages(ZoneRoue &roue, FenetreNue &nue, RoueSeule &seule)
    : roue(roue), nue(nue), seule(seule)
{
}

double MesureImages::image(QGLWidget &w)
{
    QElapsedTimer chrono;
    chrono.start();
    w.repaint();
    w.makeCurrent();
    glFinish();
    return double(chrono.nsecsElapsed()) / 1e6;
}

void MesureImages::bloc(QGLWidget &w, Serie &serie)
{
    Sonde sonde(roue);
    for (int i = 0; i < parBloc; ++i) {
        sonde.setAngleRoue(sonde.angleRoue() + pasAngle);
        seule.tourner(pasAngle);
        const long avant = CompteurAllocations::allocations();
        const int envois = CompteurTextures::envois();
        serie.temps.ajouter(image(w));
        serie.allocations += CompteurAllocations::allocations() - avant;
        serie.envois += CompteurTextures::envois() - envois;
    }
}

void MesureImages::mesurer(const QSize &t)
{
    taille = t;
    // Warm up: the first frames upload the pictures and build the shaders.
    Serie chauffe;
    const qint64 octets = CompteurTextures::octets();
    placer(roue, QPoint(0, 0), taille);
    bloc(roue, chauffe);
    megaOctetsAvant = double(CompteurTextures::octets() - octets) / 1e6;
    placer(nue, QPoint(taille.width(), 0), taille);
    bloc(nue, chauffe);
    placer(seule, QPoint(0, taille.height()), taille);
    bloc(seule, chauffe);

    serieRoue = Serie();
    serieNue = Serie();
    serieSeule = Serie();
    for (Serie *s : {&serieRoue, &serieNue, &serieSeule})
        s->temps.reserver(images);
    EspionPeintures espion(&roue);
    for (int b = 0; b < blocs; ++b) {
        bloc(roue, serieRoue);
        bloc(nue, serieNue);
        bloc(seule, serieSeule);
        QCoreApplication::processEvents();
    }
    peinturesParImage = double(espion.peintures()) / images;
}

void MesureImages::imprimer(double cibleMs) const
{
    const QString t = QStringLiteral("%1×%2").arg(taille.width()).arg(taille.height());
    const Echantillon &r = serieRoue.temps;
    const Echantillon &n = serieNue.temps;
    const Echantillon &s = serieSeule.temps;
    const bool cible = cibleMs > 0.0;
    Tableau::imprimer({QStringLiteral("Frame cost, median (ms)"), t, Tableau::nombre(r.mediane(), 2),
                       Tableau::nombre(n.mediane(), 2), Tableau::rapport(r.mediane(), n.mediane()),
                       cible ? QStringLiteral("≤ %1").arg(cibleMs) : QString(),
                       cible ? Tableau::verdict(r.mediane() <= cibleMs) : QString(),
                       Tableau::reference(s.mediane(), r.mediane(), 2)});
    Tableau::imprimer({QStringLiteral("Frame cost, p95 (ms)"), t, Tableau::nombre(r.centile(95), 2),
                       Tableau::nombre(n.centile(95), 2),
                       Tableau::rapport(r.centile(95), n.centile(95)), {}, {},
                       Tableau::reference(s.centile(95), r.centile(95), 2)});
    Tableau::imprimer({QStringLiteral("Heap allocations per frame, all libraries"), t,
                       Tableau::nombre(double(serieRoue.allocations) / images, 1),
                       Tableau::nombre(double(serieNue.allocations) / images, 1), {}, {}, {},
                       Tableau::nombre(double(serieSeule.allocations) / images, 1)});
    Tableau::imprimer({QStringLiteral("Texture data uploaded by the first frames (MB)"), t,
                       Tableau::nombre(megaOctetsAvant, 1), {}, {}, {}, {}});
    Tableau::imprimer({QStringLiteral("Texture uploads per frame, after the first"), t,
                       Tableau::nombre(double(serieRoue.envois) / images, 2), {}, {},
                       QStringLiteral("0"), Tableau::verdict(serieRoue.envois == 0)});
    Tableau::imprimer({QStringLiteral("Paints per repaint()"), t,
                       Tableau::nombre(peinturesParImage, 2), {}, {}, QStringLiteral("1"),
                       Tableau::verdict(peinturesParImage == 1.0)});
}
