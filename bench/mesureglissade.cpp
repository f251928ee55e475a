#include "mesureglissade.h"

#include "cinematique.h"
#include "espionpeintures.h"
#include "fenetrenue.h"
#include "placement.h"
#include "roueseule.h"
#include "sonde.h"
#include "tableau.h"
#include "tempscpu.h"
#include "zoneroue.h"

#include <QElapsedTimer>
#include <QtTest>

namespace {

constexpr double limiteImage = 30.0; // ms: a longer interval drops a frame

// Runs the event loop until the condition holds, then lets the last paint
// through.
template <typename Condition> void tournerJusqua(Condition fini)
{
    while (!fini())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
}

} // namespace

MesureGlissade::MesureGlissade(ZoneRoue &roue, FenetreNue &nue, RoueSeule &seule)
    : roue(roue),
      nue(nue),
      seule(seule)
{}

MesureGlissade::Course MesureGlissade::glisser(int vitesse)
{
    Sonde sonde(roue);
    Course c;
    // The counter goes with this context, the widget's own connection stays.
    QObject contexte;
    QObject::connect(&sonde.topTimer(), &QTimer::timeout, &contexte, [&c] { ++c.images; });
    EspionPeintures espion(&roue);
    QElapsedTimer horloge;
    const double cpu = tempsCpuProcessus();
    horloge.start();
    roue.declencher(vitesse);
    tournerJusqua([&sonde] { return !sonde.topTimer().isActive(); });
    c.cpu = (tempsCpuProcessus() - cpu) / (double(horloge.nsecsElapsed()) / 1e9);
    c.intervalles = espion.intervalles();
    return c;
}

MesureGlissade::Course MesureGlissade::animer(QWidget &w, int images, const std::function<void()> &image)
{
    Course c;
    QTimer minuterie;
    minuterie.setTimerType(Qt::PreciseTimer);
    QObject::connect(&minuterie, &QTimer::timeout, &w, [&] {
        image();
        if (++c.images == images)
            minuterie.stop();
    });
    EspionPeintures espion(&w);
    QElapsedTimer horloge;
    const double cpu = tempsCpuProcessus();
    horloge.start();
    minuterie.start(periodeImage);
    tournerJusqua([&minuterie] { return !minuterie.isActive(); });
    c.cpu = (tempsCpuProcessus() - cpu) / (double(horloge.nsecsElapsed()) / 1e9);
    c.intervalles = espion.intervalles();
    return c;
}

void MesureGlissade::mesurer(const QSize &t, int vitesse)
{
    taille = t;
    placer(roue, QPoint(0, 0), taille);
    placer(nue, QPoint(taille.width(), 0), taille);
    placer(seule, QPoint(0, taille.height()), taille);
    courseRoue = glisser(vitesse);
    courseNue = animer(nue, courseRoue.images, [this] { nue.update(); });
    courseSeule = animer(seule, courseRoue.images, [this, vitesse] {
        seule.tourner(float(vitesse));
        seule.update();
    });
}

void MesureGlissade::imprimer(double cibleCpu) const
{
    const QString t = QStringLiteral("%1×%2").arg(taille.width()).arg(taille.height());
    const Echantillon &r = courseRoue.intervalles;
    const Echantillon &n = courseNue.intervalles;
    const Echantillon &s = courseSeule.intervalles;
    Tableau::imprimer({QStringLiteral("Coast: paint interval, median (ms)"), t,
                       Tableau::nombre(r.mediane(), 2), Tableau::nombre(n.mediane(), 2), QString(),
                       QStringLiteral("20"), Tableau::verdict(qAbs(r.mediane() - 20.0) < 0.5),
                       Tableau::nombre(s.mediane(), 2)});
    const auto p5p95 = [](const Echantillon &e) {
        return Tableau::nombre(e.centile(5), 2) + " / " + Tableau::nombre(e.centile(95), 2);
    };
    Tableau::imprimer({QStringLiteral("Coast: paint interval, p5 / p95 (ms)"), t, p5p95(r), p5p95(n),
                       QString(), QString(), QString(), p5p95(s)});
    const auto dedans = [](const Echantillon &e) {
        return Tableau::nombre(100.0 * e.partEntre(19.0, 21.0), 1) + " %";
    };
    Tableau::imprimer({QStringLiteral("Coast: intervals within 19–21 ms"), t, dedans(r), dedans(n), QString(),
                       QStringLiteral("≥ 95 %"), Tableau::verdict(r.partEntre(19.0, 21.0) >= 0.95),
                       dedans(s)});
    const int tombees = r.auDessus(limiteImage);
    Tableau::imprimer({QStringLiteral("Coast: dropped frames (interval > 30 ms)"), t,
                       QStringLiteral("%1 of %2").arg(tombees).arg(r.taille()),
                       QString::number(n.auDessus(limiteImage)), QString(), QStringLiteral("0"),
                       Tableau::verdict(tombees == 0), QString::number(s.auDessus(limiteImage))});
    Tableau::imprimer(
        {QStringLiteral("Coast: CPU, whole process (cores)"), t, Tableau::nombre(courseRoue.cpu, 2),
         Tableau::nombre(courseNue.cpu, 2), Tableau::rapport(courseRoue.cpu, courseNue.cpu),
         QStringLiteral("≤ %1").arg(cibleCpu, 0, 'f', 1), Tableau::verdict(courseRoue.cpu <= cibleCpu),
         Tableau::reference(courseSeule.cpu, courseRoue.cpu, 2)});
}
