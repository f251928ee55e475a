#include "demarrage.h"
#include "echantillon.h"
#include "tableau.h"

#include <QFileInfo>
#include <QGuiApplication>

namespace {

// Inside both 800 × 800 windows at the top-left corner of the screen, and
// outside the wheel's disc, where the cleared grey shows.
const QPoint pixelGris(4, 795);
constexpr int lancements = 7;
constexpr int limiteGlissadeMs = 30000;


} // namespace

// Start-up and peak memory of the program against the bare window, both
// whole processes started the same way, in alternating runs.
//   banc-demarrage <dravoune> <fenetre-nue>
int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    const QFileInfo dravoune(application.arguments().value(1));
    const QFileInfo nu(application.arguments().value(2));
    Demarrage roue(dravoune.absoluteFilePath(), dravoune.absolutePath(), pixelGris);
    Demarrage fenetre(nu.absoluteFilePath(), nu.absolutePath(), pixelGris);

    // A first start of each fills the file cache.
    roue.lancer();
    roue.arreter();
    fenetre.lancer();
    fenetre.arreter();

    Echantillon tempsRoue;
    Echantillon tempsNu;
    for (int i = 0; i < lancements; ++i) {
        tempsRoue.ajouter(roue.lancer());
        roue.arreter();
        tempsNu.ajouter(fenetre.lancer());
        fenetre.arreter();
    }
    const double med = tempsRoue.mediane();
    const double medNu = tempsNu.mediane();
    Tableau::imprimer({QStringLiteral("Start-up to first frame, median of %1 (ms)").arg(lancements),
                       QStringLiteral("800×800"), Tableau::nombre(med, 0),
                       Tableau::nombre(medNu, 0), Tableau::rapport(med, medNu),
                       QStringLiteral("≤ 1.5×"), Tableau::verdict(med <= 1.5 * medNu)});

    roue.lancer();
    roue.lancerLaRoue();
    const double glissade = roue.attendreLeRepos(limiteGlissadeMs);
    const long memoire = roue.memoireCreteKo();
    roue.arreter();
    fenetre.lancer();
    fenetre.attendreLeRepos(int(glissade));
    const long memoireNue = fenetre.memoireCreteKo();
    fenetre.arreter();
    const double mo = double(memoire) / 1024.0;
    const double moNu = double(memoireNue) / 1024.0;
    Tableau::imprimer({QStringLiteral("Peak resident memory after a %1 s coast (MB)")
                           .arg(glissade / 1000.0, 0, 'f', 1),
                       QStringLiteral("800×800"), Tableau::nombre(mo, 1), Tableau::nombre(moNu, 1),
                       Tableau::ecart(mo, moNu, 1, QStringLiteral(" MB")),
                       QStringLiteral("≤ +45 MB"), Tableau::verdict(mo - moNu <= 45.0)});
    return 0;
}
