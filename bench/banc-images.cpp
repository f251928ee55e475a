#include "banc.h"
#include "cinematique.h"
#include "sonde.h"
#include "zoneroue.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QtTest>
#include <qopengl.h>

#include <functional>

#include <unistd.h>

namespace {

// A run of the event loop from lancer until fini, the last paint let
// through: the intervals between a widget's paints and the CPU of the
// whole process.
class Course : public QObject
{
public:
    std::vector<double> intervalles; // ms
    double cpu = 0.0;                // cores
    double secondes = 0.0;           // from lancer to fini

    void courir(QWidget &w, const std::function<void()> &lancer, const std::function<bool()> &fini)
    {
        w.installEventFilter(this);
        const double avant = tempsCpu(getpid());
        QElapsedTimer horloge;
        horloge.start();
        lancer();
        while (!fini())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::processEvents();
        w.removeEventFilter(this);
        // Both clocks read in a fixed order, not as one expression's operands.
        secondes = double(horloge.nsecsElapsed()) / 1e9;
        cpu = (tempsCpu(getpid()) - avant) / secondes;
    }

    double dedans() const // share within 19–21 ms
    {
        return double(std::count_if(intervalles.begin(), intervalles.end(),
                                    [](double i) { return i >= 19.0 && i <= 21.0; }))
               / double(intervalles.size());
    }
    // A paint more than 30 ms after the one before drops a frame.
    long tombees() const
    {
        return std::count_if(intervalles.begin(), intervalles.end(), [](double i) { return i > 30.0; });
    }
    double parSeconde() const { return double(intervalles.size() + 1) / secondes; }
    // Its cells in the coast's rows but the CPU's.
    QStringList cellules() const
    {
        return {nombre(secondes, 2),
                nombre(parSeconde(), 1),
                nombre(centile(intervalles, 50), 2),
                nombre(centile(intervalles, 5), 2) + " / " + nombre(centile(intervalles, 95), 2),
                nombre(100.0 * dedans(), 1) + " %",
                QStringLiteral("%1 of %2").arg(tombees()).arg(intervalles.size())};
    }

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && peinture.isValid())
            intervalles.push_back(double(peinture.nsecsElapsed()) / 1e6);
        if (e->type() == QEvent::Paint)
            peinture.start();
        return false;
    }

private:
    QElapsedTimer peinture; // since the last paint
};

} // namespace

// In one process, the wheel against the bare window and the wheel picture
// alone, on surfaces of the same size side by side: frame cost and a real
// coast. Prints rows of the results table, their measures after the
// desktop's name if one is given, and the renderer on stderr.
int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QString prefixe = argc > 1 ? QString::fromLocal8Bit(argv[1]) + ": " : QString();
    ZoneRoue roue(QStringLiteral(DRAVOUNE_DOSSIER_TIC "/" DRAVOUNE_TIC), nullptr);
    Plancher nue(false);
    Plancher seule(true);
    SurfaceGL *const surfaces[] = {&roue, &nue, &seule};
    Sonde sonde(roue);
    const auto placer = [&](const QSize &t) {
        const QPoint coins[] = {{0, 0}, {t.width(), 0}, {0, t.height()}};
        for (int i = 0; i < 3; ++i) {
            surfaces[i]->setGeometry(QRect(coins[i], t));
            surfaces[i]->show();
            if (!QTest::qWaitForWindowExposed(surfaces[i]))
                qFatal("window never shown");
        }
        QTest::qWait(300);
        return QStringLiteral("%1×%2").arg(t.width()).arg(t.height());
    };

    // On Wayland a swap waits for the compositor's frame callback, and a
    // repaint may return without painting (medians of 0.00 ms at 800x600):
    // only the coast tells there.
    if (prefixe.isEmpty()) {
        // Wall time of whole frames, painted and swapped, in alternating blocks
        // of 25 so that all three meet the same noise, the wheels turned 7.3°
        // between frames. The first block of each warms up: it uploads the
        // pictures and builds the shaders.
        for (const auto &[taille, cible] : {std::pair(QSize(800, 600), 5.0), std::pair(QSize(1280, 960), 0.0),
                                            std::pair(QSize(1920, 1080), 10.0)}) {
            const QString t = placer(taille);
            std::vector<double> temps[3];
            for (int bloc = 0; bloc <= 12; ++bloc) {
                for (int s = 0; s < 3; ++s)
                    for (int i = 0; i < 25; ++i) {
                        sonde.setAngleRoue(sonde.angleRoue() + 7.3f);
                        seule.angle += 7.3f;
                        QElapsedTimer chrono;
                        chrono.start();
                        surfaces[s]->peindreImage();
                        if (bloc > 0)
                            temps[s].push_back(double(chrono.nsecsElapsed()) / 1e6);
                    }
                QCoreApplication::processEvents();
            }
            for (const double p : {50.0, 95.0}) {
                const double r = centile(temps[0], p), n = centile(temps[1], p), s = centile(temps[2], p);
                const bool vise = p == 50.0 && cible > 0.0;
                ligne({QStringLiteral("Frame cost, %1 (ms)").arg(p == 50.0 ? "median" : "p95"), t,
                       nombre(r, 2), nombre(n, 2), fois(r, n), nombre(s, 2) + " (" + fois(r, s) + ")",
                       vise ? QStringLiteral("≤ %1").arg(cible) : QString(),
                       vise ? verdict(r <= cible) : QString()});
            }
        }
        // The context of the last frame is current.
        qInfo("gl: %s, OpenGL %s", reinterpret_cast<const char *>(glGetString(GL_RENDERER)),
              reinterpret_cast<const char *>(glGetString(GL_VERSION)));
    }

    // A real coast at 10° a frame, driven by the widget's own timer, then
    // the floors repainted by a timer of the same period for as many frames.
    for (const auto &[taille, cible] : {std::pair(QSize(800, 600), 0.6), std::pair(QSize(1920, 1080), 1.0)}) {
        const QString t = placer(taille);
        Course c[3];
        c[0].courir(
            roue, [&roue] { roue.declencher(10); }, [&sonde] { return !sonde.topTimer().isActive(); });
        for (int s = 1; s < 3; ++s) {
            Plancher &plancher = s == 1 ? nue : seule;
            c[s].courir(
                plancher, [&plancher] { plancher.images.start(); },
                [&] { return c[s].intervalles.size() >= c[0].intervalles.size(); });
            plancher.images.stop();
        }
        // A coast launched at 10 runs 528 frames of 20 ms, 10.56 s in real
        // time; it may end 1.3 times as late.
        const double limite = 1.3 * 528 * periodeImage / 1000.0;
        const QStringList mesures = {
            "Coast: release to rest (s)",         "Coast: frames painted per second",
            "Coast: paint interval, median (ms)", "Coast: paint interval, p5 / p95 (ms)",
            "Coast: intervals within 19–21 ms",   "Coast: dropped frames (interval > 30 ms)"};
        const QStringList cibles = {"≤ " + nombre(limite, 2), "50", "20", "", "≥ 95 %", "0"};
        const bool atteintes[] = {c[0].secondes <= limite,
                                  c[0].parSeconde() >= 49.0,
                                  qAbs(centile(c[0].intervalles, 50) - 20.0) < 0.5,
                                  true,
                                  c[0].dedans() >= 0.95,
                                  c[0].tombees() == 0};
        for (int i = 0; i < mesures.size(); ++i)
            ligne({prefixe + mesures[i], t, c[0].cellules()[i], c[1].cellules()[i], "", c[2].cellules()[i],
                   cibles[i], cibles[i].isEmpty() ? QString() : verdict(atteintes[i])});
        ligne({prefixe + "Coast: CPU, whole process (cores)", t, nombre(c[0].cpu, 2), nombre(c[1].cpu, 2),
               fois(c[0].cpu, c[1].cpu), nombre(c[2].cpu, 2) + " (" + fois(c[0].cpu, c[2].cpu) + ")",
               QStringLiteral("≤ %1").arg(cible, 0, 'f', 1), verdict(c[0].cpu <= cible)});
    }
    return 0;
}
