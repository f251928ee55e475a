#include "appli.h"
#include "banc.h"
#include "enregistrement.h"
#include "essais.h"

#include <QApplication>
#include <QMap>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>

namespace {

// How far from its place, in ms, a heard tick still counts as the one
// played there.
constexpr double fenetre = 60;

struct Appel
{
    double ms;
    QByteArray timer;
    int intervalle; // -1 for a stop
};

// The tick timer's calls in the log of journaltimers.cpp, from the coast's
// first arming on: the timer armed most often at tick periods, which are
// never shorter than 150 ms.
std::vector<Appel> ticsDeLaGlissade(const QString &journal)
{
    std::vector<Appel> appels;
    QMap<QByteArray, int> armements;
    for (const QByteArray &l : lire(journal).split('\n')) {
        const QList<QByteArray> c = l.split(' ');
        if (c.size() == 3) {
            appels.push_back({c[0].toDouble(), c[1], c[2].toInt()});
            armements[c[1]] += appels.back().intervalle >= 150;
        }
    }
    const auto tic = std::max_element(armements.begin(), armements.end());
    appels.erase(
        std::remove_if(appels.begin(), appels.end(), [&tic](const Appel &a) { return a.timer != tic.key(); }),
        appels.end());
    appels.erase(appels.begin(), std::find_if(appels.begin(), appels.end(),
                                              [](const Appel &a) { return a.intervalle >= 150; }));
    return appels;
}

} // namespace

// A fling of the real program, repeated: the program is started, its wheel
// dragged 25° with the real pointer (no drag tick) and let go at 5° per
// frame, and the recording of the audio server is compared with the ticks
// the program played, told by its tick timer's restarts: each played tick
// re-arms the timer, or stops it after the closing tick. Lateness is from
// when each tick was due, beyond the run's usual delay from played to heard.
//   banc-tics [runs [name of the rows]]
int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const int essais = qMax(1, arguments.value(1, QStringLiteral("30")).toInt());
    const QString nom = arguments.value(2, QStringLiteral("Fling of the program"));
    QTemporaryDir dossier;
    int complets = 0;
    size_t joues = 0, entendus = 0;
    std::vector<double> retards, retardsCloture, retardsMinuterie;
    for (int essai = 1; essai <= essais; ++essai) {
        const QString journal = dossier.filePath(QString::number(essai));
        Appli appli;
        appli.environnement().insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(DRAVOUNE_JOURNAL_TIMERS));
        appli.environnement().insert(QStringLiteral("DRAVOUNE_JOURNAL"), journal);
        Enregistrement enregistrement;
        if (!appli.demarrer(QFileInfo(QStringLiteral(DRAVOUNE_PROGRAMME)).absolutePath())
            || !enregistrement.demarrer() || appli.glisser(0, 25, 2, 5.5).dernierPas < 5)
            qFatal("run %d: the program does not start or turn", essai);
        // The closing tick stops the timer; it comes within 10 s of the last.
        Appli::attendre(
            [&journal] {
                const std::vector<Appel> t = ticsDeLaGlissade(journal);
                return t.size() > 1 && t.back().intervalle < 0;
            },
            40000, 100);
        Appli::attendre([] { return false; }, 500);
        const std::vector<Appel> t = ticsDeLaGlissade(journal);
        const QVector<double> sons = enregistrement.attaques();
        appli.fermer();

        // Tick k was played at the call that re-armed the timer after it,
        // and was due one period after the call before. On the recording's
        // clock it shows at its time of play shifted by the run's usual
        // delay, which the first tick gives roughly and the median of all
        // finely; the sound nearest that place is taken for it. It is heard
        // late by what its timer was late and by what its sound took beyond
        // the usual delay.
        const auto ecarts = [&](double decalage) {
            std::vector<double> e; // heard after its place, NaN if not heard
            for (size_t k = 1; k < t.size(); ++k) {
                const double place = t[k].ms - t[1].ms + decalage;
                double ecart = qInf();
                for (const double son : sons)
                    if (qAbs(1000 * (son - sons[0]) - place) < qAbs(ecart))
                        ecart = 1000 * (son - sons[0]) - place;
                e.push_back(qAbs(ecart) <= fenetre ? ecart : qQNaN());
            }
            return e;
        };
        const std::vector<double> sorties = ecarts(centile(ecarts(0), 50));
        int trouves = 0;
        bool cloture = false;
        for (size_t k = 1; k < t.size(); ++k) {
            const double minuterie = t[k].ms - (t[k - 1].ms + t[k - 1].intervalle);
            retardsMinuterie.push_back(minuterie);
            cloture = !std::isnan(sorties[k - 1]);
            if (cloture)
                retards.push_back(sorties[k - 1] + minuterie);
            if (cloture && k + 1 == t.size())
                retardsCloture.push_back(retards.back());
            trouves += cloture;
        }
        joues += t.size() - 1;
        entendus += size_t(sons.size());
        complets += size_t(trouves) == t.size() - 1 && size_t(sons.size()) == t.size() - 1;
        qInfo("run %d: %d ticks played, %d heard, %d in place, closing tick %s", essai, int(t.size()) - 1,
              int(sons.size()), trouves, cloture ? "heard" : "LOST");
    }
    const QString tous = QStringLiteral("%1 of %1").arg(essais);
    ligne({nom + ": runs with every tick heard", "", QStringLiteral("%1 of %2").arg(complets).arg(essais), "",
           "", "", tous, verdict(complets == essais)});
    ligne({nom + ": ticks heard / played", "", QStringLiteral("%1 / %2").arg(entendus).arg(joues)});
    ligne({nom + ": closing tick heard", "",
           QStringLiteral("%1 of %2").arg(retardsCloture.size()).arg(essais), "", "", "", tous,
           verdict(retardsCloture.size() == size_t(essais))});
    const auto retard = [&nom](const char *mesure, const std::vector<double> &e, bool cible) {
        ligne({nom + mesure, "", nombre(centile(e, 50), 1) + " / " + nombre(centile(e, 100), 1), "", "", "",
               cible ? "≤ 30" : "", cible ? verdict(centile(e, 100) <= 30) : ""});
    };
    retard(": every tick heard after due, median / max (ms)", retards, true);
    retard(": closing tick heard after due, median / max (ms)", retardsCloture, true);
    retard(": its timer's share, played after due, median / max (ms)", retardsMinuterie, false);
    return 0;
}
