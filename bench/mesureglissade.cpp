#include "mesureglissade.h"

#include "cinematique.h"
#include "espionpeintures.h"
#include "fenetrenue.h"
#include "placement.h"
#include "sonde.h"
#include "tableau.h"
#include "tempscpu.h"
#include "zoneroue.h"

#include <QElapsedTimer>
#include <QtTest>

namespace {

constexpr double limiteImage = 30.0;    // ms: a longer interval drops a frame


// Runs the event loop until the condition holds, then lets the last paint
// through.
template<typename Condition>
void tournerJusqua(Condition fini)
{
    while (!fini())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
}

} // namespace

MesureGlissade::MesureGlissade(ZoneRoue &roue, FenetreNue &nue)
    : roue(roue), nue(nue)
{
}

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
    c.peintures = espion.peintures();
    return c;
}

MesureGlissade::Course MesureGlissade::animer(int images)
{
    Course c;
    QTimer minuterie;
    minuterie.setTimerType(Qt::PreciseTimer);
    QObject::connect(&minuterie, &QTimer::timeout, &nue, [&] {
        nue.update();
        if (++c.images == images)
            minuterie.stop();
    });
    EspionPeintures espion(&nue);
    QElapsedTimer horloge;
    const double cpu = tempsCpuProcessus();
    horloge.start();
    minuterie.start(periodeImage);
    tournerJusqua([&minuterie] { return !minuterie.isActive(); });
    c.cpu = (tempsCpuProcessus() - cpu) / (double(horloge.nsecsElapsed()) / 1e9);
    c.intervalles = espion.intervalles();
    c.peintures = espion.peintures();
    return c;
}

void MesureGlissade::mesurer(const QSize &t, int vitesse)
{
    taille = t;
    placer(roue, QPoint(0, 0), taille);
    placer(nue, QPoint(taille.width(), 0), taille);
    courseRoue = glisser(vitesse);
    courseNue = animer(courseRoue.images);
}

void MesureGlissade::imprimer(double cibleCpu) const
{
    const QString t = QStringLiteral("%1×%2").arg(taille.width()).arg(taille.height());
    const Echantillon &i = courseRoue.intervalles;
    const Echantillon &n = courseNue.intervalles;
    Tableau::imprimer({QStringLiteral("Coast: paint interval, median (ms)"), t,
                       Tableau::nombre(i.mediane(), 2), Tableau::nombre(n.mediane(), 2), {},
                       QStringLiteral("20"), Tableau::verdict(qAbs(i.mediane() - 20.0) < 0.5)});
    Tableau::imprimer({QStringLiteral("Coast: paint interval, p5 / p95 (ms)"), t,
                       Tableau::nombre(i.centile(5), 2) + " / " + Tableau::nombre(i.centile(95), 2),
                       Tableau::nombre(n.centile(5), 2) + " / " + Tableau::nombre(n.centile(95), 2),
                       {}, {}, {}});
    const double dedans = i.partEntre(19.0, 21.0);
    Tableau::imprimer({QStringLiteral("Coast: intervals within 19–21 ms"), t,
                       Tableau::nombre(100.0 * dedans, 1) + " %",
                       Tableau::nombre(100.0 * n.partEntre(19.0, 21.0), 1) + " %", {},
                       QStringLiteral("≥ 95 %"), Tableau::verdict(dedans >= 0.95)});
    const int tombees = i.auDessus(limiteImage);
    Tableau::imprimer({QStringLiteral("Coast: dropped frames (interval > 30 ms)"), t,
                       QStringLiteral("%1 of %2").arg(tombees).arg(i.taille()),
                       QString::number(n.auDessus(limiteImage)), {}, QStringLiteral("0"),
                       Tableau::verdict(tombees == 0)});
    const double parImage = double(courseRoue.peintures) / courseRoue.images;
    Tableau::imprimer({QStringLiteral("Coast: paints per frame"), t,
                       Tableau::nombre(parImage, 3), {}, {}, QStringLiteral("1"),
                       Tableau::verdict(courseRoue.peintures <= courseRoue.images + 1)});
    Tableau::imprimer({QStringLiteral("Coast: CPU, whole process (cores)"), t,
                       Tableau::nombre(courseRoue.cpu, 2), Tableau::nombre(courseNue.cpu, 2),
                       Tableau::rapport(courseRoue.cpu, courseNue.cpu),
                       QStringLiteral("≤ %1").arg(cibleCpu, 0, 'f', 1),
                       Tableau::verdict(courseRoue.cpu <= cibleCpu)});
}
