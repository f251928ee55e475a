#include "appli.h"
#include "banc.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QScreen>
#include <QThread>

namespace {

// Inside the 800 × 800 windows, near their bottom-left corner and outside
// the wheel's disc, where the cleared grey shows.
const QPoint pixelGris(4, 795);
constexpr int lancements = 7;

bool gris(const QPoint &p)
{
    return QGuiApplication::primaryScreen()->grabWindow(0, p.x(), p.y(), 1, 1).toImage().pixel(0, 0)
           == grisFond;
}

// A window program started again and again. Its first frame is when the
// pixel, seen on the screen, turns to the grey that every program measured
// clears to.
struct Programme
{
    QStringList commande;
    QPoint pixel;
    QProcess processus;

    // ms from the start of the process to its first frame.
    double lancer()
    {
        // The window of the previous start may still be going.
        if (!Appli::attendre([this] { return !gris(pixel); }, 5000, 50))
            qFatal("the pixel shows the grey before any window");
        QElapsedTimer horloge;
        horloge.start();
        // The program finds its tick beside it.
        processus.setWorkingDirectory(QFileInfo(commande.first()).absolutePath());
        processus.start(commande.first(), commande.mid(1));
        while (!gris(pixel)) {
            if (horloge.elapsed() > 20000)
                qFatal("%s: no first frame", qPrintable(commande.join(' ')));
            QThread::usleep(500);
        }
        return double(horloge.nsecsElapsed()) / 1e6;
    }

    void arreter()
    {
        processus.kill();
        processus.waitForFinished();
        // Let the display take the window down before the next start.
        QThread::msleep(300);
    }
};

} // namespace

// Start-up and peak memory of the program against the bare window and the
// wheel picture alone, all whole processes started the same way, in
// alternating runs.
//   banc-demarrage                  the benchmark
//   banc-demarrage --nue|--seule    a floor alone
int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QString option = QCoreApplication::arguments().value(1);
    if (!option.isEmpty()) {
        // A floor as a program of its own, turning as the coast does.
        Plancher plancher(option == QLatin1String("--seule"));
        plancher.resize(800, 800);
        plancher.show();
        plancher.images.start();
        return QApplication::exec();
    }

    const QString soi = QCoreApplication::applicationFilePath();
    const QString dossier = QFileInfo(QStringLiteral(DRAVOUNE_PROGRAMME)).absolutePath();
    // A first start of each fills the file cache and tells where the window
    // manager shows its window.
    Programme programmes[3];
    const QStringList commandes[] = {{DRAVOUNE_PROGRAMME}, {soi, "--nue"}, {soi, "--seule"}};
    for (int p = 0; p < 3; ++p) {
        Appli appli;
        if (!appli.demarrer(dossier, commandes[p]))
            qFatal("%s shows no window", qPrintable(commandes[p].join(' ')));
        programmes[p].commande = commandes[p];
        programmes[p].pixel = appli.geometrie().topLeft() + pixelGris;
        programmes[p].processus.setStandardOutputFile(QProcess::nullDevice());
    }
    std::vector<double> temps[3];
    for (int i = 0; i < lancements; ++i)
        for (int p = 0; p < 3; ++p) {
            temps[p].push_back(programmes[p].lancer());
            programmes[p].arreter();
        }
    const double med[] = {centile(temps[0], 50), centile(temps[1], 50), centile(temps[2], 50)};
    ligne({QStringLiteral("Start-up to first frame, median of %1 (ms)").arg(lancements), "800×800",
           nombre(med[0], 0), nombre(med[1], 0), fois(med[0], med[1]),
           nombre(med[2], 0) + " (" + fois(med[0], med[2]) + ")", "≤ 1.5×", verdict(med[0] <= 1.5 * med[1])});

    // A drag a quarter turn round, whose last step of 10 degrees launches
    // the coast, until the program has used less than a twentieth of a core
    // over a quarter of a second.
    Appli appli;
    if (!appli.demarrer(dossier) || appli.glisser(0, 90, 10, 10).dernierPas < 9)
        qFatal("the wheel does not turn");
    QElapsedTimer glissade;
    glissade.start();
    for (double cpu = -1.0; tempsCpu(appli.pid()) - cpu >= 0.25 / 20.0 && glissade.elapsed() < 30000;) {
        cpu = tempsCpu(appli.pid());
        QThread::msleep(250);
    }
    const double secondes = double(glissade.elapsed()) / 1000.0;
    double mo[] = {memoireCrete(appli.pid()), 0.0, 0.0};
    appli.fermer();
    // The floors never rest: they turn for as long as the coast took.
    for (int p = 1; p < 3; ++p) {
        programmes[p].lancer();
        QThread::msleep(static_cast<unsigned long>(1000.0 * secondes));
        mo[p] = memoireCrete(programmes[p].processus.processId());
        programmes[p].arreter();
    }
    ligne({QStringLiteral("Peak resident memory after a %1 s coast (MB)").arg(secondes, 0, 'f', 1), "800×800",
           nombre(mo[0], 1), nombre(mo[1], 1), QString::asprintf("%+.1f MB", mo[0] - mo[1]),
           nombre(mo[2], 1) + QString::asprintf(" (%+.1f MB)", mo[0] - mo[2]), "≤ +45 MB",
           verdict(mo[0] - mo[1] <= 45.0)});
    return 0;
}
