#include "demarrage.h"
#include "echantillon.h"
#include "tableau.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QThread>

#include <memory>
#include <vector>

namespace {

// Inside both 800 × 800 windows at the top-left corner of the screen, and
// outside the wheel's disc, where the cleared grey shows.
const QPoint pixelGris(4, 795);
constexpr int lancements = 7;
constexpr int limiteGlissadeMs = 30000;


} // namespace

// Start-up and peak memory of the program against the bare window and the
// wheel picture alone, all whole processes started the same way, in
// alternating runs.
//   banc-demarrage <dravoune> <fenetre-nue> <roue-seule>
int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    std::vector<std::unique_ptr<Demarrage>> programmes;
    for (int i = 1; i <= 3; ++i) {
        const QFileInfo f(QCoreApplication::arguments().value(i));
        programmes.push_back(std::make_unique<Demarrage>(f.absoluteFilePath(), f.absolutePath(),
                                                         pixelGris));
    }
    Demarrage &roue = *programmes[0];

    // A first start of each fills the file cache.
    for (auto &p : programmes) {
        p->lancer();
        p->arreter();
    }
    Echantillon temps[3];
    for (int i = 0; i < lancements; ++i) {
        for (int p = 0; p < 3; ++p) {
            const double ms = programmes[size_t(p)]->lancer();
            if (ms < 0.0)
                qFatal("no first frame");
            temps[p].ajouter(ms);
            programmes[size_t(p)]->arreter();
        }
    }
    const double med = temps[0].mediane();
    const double medNu = temps[1].mediane();
    Tableau::imprimer({QStringLiteral("Start-up to first frame, median of %1 (ms)").arg(lancements),
                       QStringLiteral("800×800"), Tableau::nombre(med, 0),
                       Tableau::nombre(medNu, 0), Tableau::rapport(med, medNu),
                       QStringLiteral("≤ 1.5×"), Tableau::verdict(med <= 1.5 * medNu),
                       Tableau::reference(temps[2].mediane(), med, 0)});

    roue.lancer();
    roue.lancerLaRoue();
    const double glissade = roue.attendreLeRepos(limiteGlissadeMs);
    const double mo = double(roue.memoireCreteKo()) / 1024.0;
    roue.arreter();
    double autres[2];
    for (int p = 1; p < 3; ++p) {
        // The floors never rest: they turn for as long as the coast took.
        programmes[size_t(p)]->lancer();
        QThread::msleep(static_cast<unsigned long>(glissade));
        autres[p - 1] = double(programmes[size_t(p)]->memoireCreteKo()) / 1024.0;
        programmes[size_t(p)]->arreter();
    }
    Tableau::imprimer({QStringLiteral("Peak resident memory after a %1 s coast (MB)")
                           .arg(glissade / 1000.0, 0, 'f', 1),
                       QStringLiteral("800×800"), Tableau::nombre(mo, 1),
                       Tableau::nombre(autres[0], 1),
                       Tableau::ecart(mo, autres[0], 1, QStringLiteral(" MB")),
                       QStringLiteral("≤ +45 MB"), Tableau::verdict(mo - autres[0] <= 45.0),
                       Tableau::nombre(autres[1], 1) + " ("
                           + Tableau::ecart(mo, autres[1], 1, QStringLiteral(" MB")) + ")"});
    return 0;
}
