#include "appli.h"
#include "demarrage.h"
#include "echantillon.h"
#include "fenetrenue.h"
#include "roueseule.h"
#include "tableau.h"
#include "tempscpu.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>
#include <QTimer>

#include <memory>
#include <vector>

namespace {

// Inside the 800 × 800 windows, near their bottom-left corner and outside
// the wheel's disc, where the cleared grey shows.
const QPoint pixelGris(4, 795);
constexpr int lancements = 7;
constexpr int limiteGlissadeMs = 30000;

// The floors as programs of their own: the bare window, or the wheel
// picture alone turning, repainted at the coast's 20 ms period.
int plancher(const QString &quoi)
{
    std::unique_ptr<SurfaceGL> fenetre;
    if (quoi == QLatin1String("--nue"))
        fenetre = std::make_unique<FenetreNue>();
    else
        fenetre = std::make_unique<RoueSeule>();
    fenetre->resize(800, 800);
    fenetre->show();
    QTimer images;
    images.setTimerType(Qt::PreciseTimer);
    QObject::connect(&images, &QTimer::timeout, fenetre.get(), [&fenetre] {
        if (auto *seule = qobject_cast<RoueSeule *>(fenetre.get()))
            seule->tourner(1.0f);
        fenetre->update();
    });
    images.start(20);
    return QApplication::exec();
}

// Waits until the process has used less than a twentieth of a core over a
// quarter of a second, or until the limit; returns the ms waited.
double attendreLeRepos(pid_t pid, int limiteMs)
{
    QElapsedTimer horloge;
    horloge.start();
    double avant = tempsCpuProcessus(pid);
    while (horloge.elapsed() < limiteMs) {
        QThread::msleep(250);
        const double apres = tempsCpuProcessus(pid);
        if (apres - avant < 0.25 / 20.0)
            break;
        avant = apres;
    }
    return double(horloge.elapsed());
}

} // namespace

// Start-up and peak memory of the program against the bare window and the
// wheel picture alone, all whole processes started the same way, in
// alternating runs.
//   banc-demarrage [dravoune]   (the built program unless told)
int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.value(1).startsWith(QLatin1String("--")))
        return plancher(arguments.value(1));

    const QString soi = QCoreApplication::applicationFilePath();
    const QString programme =
        QFileInfo(arguments.value(1, QStringLiteral(DRAVOUNE_PROGRAMME))).absoluteFilePath();
    const QString dossier = QFileInfo(programme).absolutePath();
    // A first start of each fills the file cache and tells where the window
    // manager shows its window.
    std::vector<std::unique_ptr<Demarrage>> programmes;
    for (const QStringList &commande :
         {QStringList{programme}, QStringList{soi, "--nue"}, QStringList{soi, "--seule"}}) {
        Appli appli;
        if (!appli.demarrer(dossier, commande))
            qFatal("%s shows no window", qPrintable(commande.join(' ')));
        programmes.push_back(std::make_unique<Demarrage>(commande, appli.geometrie().topLeft(), pixelGris));
    }
    Echantillon temps[3];
    for (int i = 0; i < lancements; ++i) {
        for (size_t p = 0; p < 3; ++p) {
            const double ms = programmes[p]->lancer();
            if (ms < 0.0)
                qFatal("no first frame");
            temps[p].ajouter(ms);
            programmes[p]->arreter();
        }
    }
    const double med = temps[0].mediane();
    const double medNu = temps[1].mediane();
    Tableau::imprimer({QStringLiteral("Start-up to first frame, median of %1 (ms)").arg(lancements),
                       QStringLiteral("800×800"), Tableau::nombre(med, 0), Tableau::nombre(medNu, 0),
                       Tableau::rapport(med, medNu), QStringLiteral("≤ 1.5×"),
                       Tableau::verdict(med <= 1.5 * medNu), Tableau::reference(temps[2].mediane(), med, 0)});

    // A drag a quarter turn round, whose last step of 10 degrees launches
    // the coast.
    double glissade = 0.0;
    double mo = 0.0;
    {
        Appli roue;
        if (!roue.demarrer(dossier, {programme}) || roue.glisser(0, 90, 10, 10).dernierPas < 9)
            qFatal("the wheel does not turn");
        glissade = attendreLeRepos(pid_t(roue.pid()), limiteGlissadeMs);
        mo = double(memoireCreteKo(pid_t(roue.pid()))) / 1024.0;
    }
    double autres[2];
    for (size_t p = 1; p < 3; ++p) {
        // The floors never rest: they turn for as long as the coast took.
        programmes[p]->lancer();
        QThread::msleep(static_cast<unsigned long>(glissade));
        autres[p - 1] = double(programmes[p]->memoireCreteKo()) / 1024.0;
        programmes[p]->arreter();
    }
    Tableau::imprimer(
        {QStringLiteral("Peak resident memory after a %1 s coast (MB)").arg(glissade / 1000.0, 0, 'f', 1),
         QStringLiteral("800×800"), Tableau::nombre(mo, 1), Tableau::nombre(autres[0], 1),
         Tableau::ecart(mo, autres[0], 1, QStringLiteral(" MB")), QStringLiteral("≤ +45 MB"),
         Tableau::verdict(mo - autres[0] <= 45.0),
         Tableau::nombre(autres[1], 1) + " (" + Tableau::ecart(mo, autres[1], 1, QStringLiteral(" MB"))
             + ")"});
    return 0;
}
