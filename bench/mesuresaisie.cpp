#include "mesuresaisie.h"

#include "compteurallocations.h"
#include "fenetrenue.h"
#include "placement.h"
#include "tableau.h"
#include "zoneroue.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMouseEvent>

#include <cmath>

namespace {

constexpr int mouvements = 720;
constexpr double rayonSaisie = 200.0;   // px from the centre, on the wheel
constexpr double pasDegres = 3.0;

QPoint surLeCercle(const QPoint &centre, int i)
{
    const double a = i * pasDegres * M_PI / 180.0;
    return centre + QPoint(int(std::lround(rayonSaisie * std::cos(a))),
                           int(std::lround(-rayonSaisie * std::sin(a))));
}

} // namespace

MesureSaisie::MesureSaisie(ZoneRoue &roue, FenetreNue &nue)
    : roue(roue), nue(nue)
{
}

// Delivers one mouse event with the left button held; returns its cost in µs.
double MesureSaisie::envoyer(QWidget &w, int type, const QPoint &p)
{
    QMouseEvent e(QEvent::Type(type), QPointF(p), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QElapsedTimer chrono;
    chrono.start();
    QCoreApplication::sendEvent(&w, &e);
    return double(chrono.nsecsElapsed()) / 1e3;
}

void MesureSaisie::mesurer(const QSize &t)
{
    taille = t;
    placer(roue, QPoint(0, 0), taille);
    placer(nue, QPoint(taille.width(), 0), taille);
    const QPoint centre(taille.width() / 2, taille.height() / 2);

    mouvementsRoue = Echantillon();
    mouvementsNus = Echantillon();
    mouvementsRoue.reserver(mouvements);
    mouvementsNus.reserver(mouvements);
    long allocations = 0;
    long allocationsNu = 0;
    envoyer(roue, QEvent::MouseButtonPress, surLeCercle(centre, 0));
    for (int i = 1; i <= mouvements; ++i) {
        const QPoint p = surLeCercle(centre, i);
        long avant = CompteurAllocations::allocations();
        mouvementsRoue.ajouter(envoyer(roue, QEvent::MouseMove, p));
        allocations += CompteurAllocations::allocations() - avant;
        QCoreApplication::processEvents();
        avant = CompteurAllocations::allocations();
        mouvementsNus.ajouter(envoyer(nue, QEvent::MouseMove, p));
        allocationsNu += CompteurAllocations::allocations() - avant;
        QCoreApplication::processEvents();
    }
    // A press and a release on the spot launch no coast.
    envoyer(roue, QEvent::MouseButtonPress, centre);
    envoyer(roue, QEvent::MouseButtonRelease, centre);
    allocationsRoue = double(allocations) / mouvements;
    allocationsNues = double(allocationsNu) / mouvements;
}

void MesureSaisie::imprimer() const
{
    const QString t = QStringLiteral("%1×%2").arg(taille.width()).arg(taille.height());
    const double med = mouvementsRoue.mediane();
    const double medNu = mouvementsNus.mediane();
    Tableau::imprimer({QStringLiteral("Drag: one mouse move, median (µs)"), t,
                       Tableau::nombre(med, 1), Tableau::nombre(medNu, 1),
                       Tableau::rapport(med, medNu), {}, {}});
    const double p95 = mouvementsRoue.centile(95);
    const double p95Nu = mouvementsNus.centile(95);
    Tableau::imprimer({QStringLiteral("Drag: one mouse move, p95 (µs)"), t,
                       Tableau::nombre(p95, 1), Tableau::nombre(p95Nu, 1),
                       Tableau::rapport(p95, p95Nu), {}, {}});
    Tableau::imprimer({QStringLiteral("Drag: heap allocations per move (all libraries)"), t,
                       Tableau::nombre(allocationsRoue, 1), Tableau::nombre(allocationsNues, 1),
                       {}, {}, {}});
}
