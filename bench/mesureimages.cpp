#include "mesureimages.h"

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
constexpr float pasAngle = 7.3f;

} // namespace

MesureImages::MesureImages(ZoneRoue &roue, FenetreNue &nue, RoueSeule &seule)
    : roue(roue),
      nue(nue),
      seule(seule)
{}

void MesureImages::bloc(SurfaceGL &w, Echantillon &temps)
{
    Sonde sonde(roue);
    for (int i = 0; i < parBloc; ++i) {
        sonde.setAngleRoue(sonde.angleRoue() + pasAngle);
        seule.tourner(pasAngle);
        QElapsedTimer chrono;
        chrono.start();
        w.peindreImage();
        temps.ajouter(double(chrono.nsecsElapsed()) / 1e6);
    }
}

void MesureImages::mesurer(const QSize &t)
{
    taille = t;
    // Warm up: the first frames upload the pictures and build the shaders.
    Echantillon chauffe;
    placer(roue, QPoint(0, 0), taille);
    bloc(roue, chauffe);
    placer(nue, QPoint(taille.width(), 0), taille);
    bloc(nue, chauffe);
    placer(seule, QPoint(0, taille.height()), taille);
    bloc(seule, chauffe);

    tempsRoue = tempsNue = tempsSeule = Echantillon();
    for (int b = 0; b < blocs; ++b) {
        bloc(roue, tempsRoue);
        bloc(nue, tempsNue);
        bloc(seule, tempsSeule);
        QCoreApplication::processEvents();
    }
}

void MesureImages::imprimer(double cibleMs) const
{
    const QString t = QStringLiteral("%1×%2").arg(taille.width()).arg(taille.height());
    const bool cible = cibleMs > 0.0;
    for (const double p : {50.0, 95.0}) {
        const double r = tempsRoue.centile(p), n = tempsNue.centile(p), s = tempsSeule.centile(p);
        const bool mediane = p == 50.0;
        Tableau::imprimer(
            {mediane ? QStringLiteral("Frame cost, median (ms)") : QStringLiteral("Frame cost, p95 (ms)"), t,
             Tableau::nombre(r, 2), Tableau::nombre(n, 2), Tableau::rapport(r, n),
             mediane && cible ? QStringLiteral("≤ %1").arg(cibleMs) : QString(),
             mediane && cible ? Tableau::verdict(r <= cibleMs) : QString(), Tableau::reference(s, r, 2)});
    }
}
