#include "appli.h"
#include "echantillon.h"
#include "enregistrement.h"
#include "tableau.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// How far from its place, in ms, a heard tick still counts as the one
// played there.
constexpr double fenetre = 60;

struct Appel
{
    // cppcheck-suppress unusedStructMember ; read by the comparisons below
    double ms;
    QString timer;
    int intervalle; // -1 for a stop
};

QVector<Appel> lireJournal(const QString &chemin)
{
    QFile f(chemin);
    QVector<Appel> appels;
    if (f.open(QIODevice::ReadOnly))
        for (const QByteArray &ligne : f.readAll().split('\n')) {
            const QList<QByteArray> c = ligne.split(' ');
            if (c.size() == 3)
                appels.append({c[0].toDouble(), QString::fromLatin1(c[1]), c[2].toInt()});
        }
    return appels;
}

// The tick timer's calls from the coast's first arming on: the timer armed
// most often at tick periods, which are never shorter than 150 ms.
QVector<Appel> ticsDeLaGlissade(const QVector<Appel> &appels)
{
    QMap<QString, int> armements;
    for (const Appel &a : appels)
        armements[a.timer] += a.intervalle >= 150;
    const auto tic = std::max_element(armements.begin(), armements.end());
    QVector<Appel> appelsTic;
    for (const Appel &a : appels)
        if (tic != armements.end() && a.timer == tic.key() && (!appelsTic.isEmpty() || a.intervalle >= 150))
            appelsTic << a;
    return appelsTic;
}

} // namespace

// A fling of the real program, repeated: the program is started, its wheel
// dragged 25° with the real pointer (no drag tick) and let go at 5° per
// frame, and the recording of the audio server is compared with the ticks
// the program played, told by its tick timer's restarts: each played tick
// re-arms the timer, or stops it after the closing tick. Lateness is from
// when each tick was due, beyond the run's usual delay from played to heard.
//   banc-tics [runs [program]]
int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const int essais = qMax(1, arguments.value(1, QStringLiteral("30")).toInt());
    const QFileInfo programme(arguments.value(2, QStringLiteral(DRAVOUNE_PROGRAMME)));
    QTemporaryDir dossier;
    int complets = 0, clotures = 0;
    qsizetype joues = 0, entendus = 0;
    Echantillon retards, retardsCloture, retardsMinuterie;
    for (int essai = 0; essai < essais; ++essai) {
        const QString journal = dossier.filePath(QStringLiteral("journal-%1").arg(essai));
        Appli appli;
        appli.environnement().insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(DRAVOUNE_JOURNAL_TIMERS));
        appli.environnement().insert(QStringLiteral("DRAVOUNE_JOURNAL"), journal);
        Enregistrement enregistrement;
        if (!appli.demarrer(programme.absolutePath(), {programme.absoluteFilePath()})
            || !enregistrement.demarrer() || appli.glisser(0, 25, 2, 5.5).dernierPas < 5)
            qFatal("run %d: the program does not start or turn", essai);
        // The closing tick stops the timer; it comes within 10 s of the last.
        Appli::attendre(
            [&] {
                const QVector<Appel> t = ticsDeLaGlissade(lireJournal(journal));
                return t.size() > 1 && t.last().intervalle < 0;
            },
            40000, 100);
        Appli::attendre([] { return false; }, 500);
        const QVector<Appel> t = ticsDeLaGlissade(lireJournal(journal));
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
            QVector<double> e; // heard after its place, NaN if not heard
            for (int k = 1; k < t.size() && !sons.isEmpty(); ++k) {
                const double place = t[k].ms - t[1].ms + decalage;
                const auto proche = std::min_element(sons.begin(), sons.end(), [&](double a, double b) {
                    return qAbs(1000 * (a - sons[0]) - place) < qAbs(1000 * (b - sons[0]) - place);
                });
                const double ecart = 1000 * (*proche - sons[0]) - place;
                e << (qAbs(ecart) <= fenetre ? ecart : qQNaN());
            }
            return e;
        };
        const auto mediane = [](const QVector<double> &e) {
            Echantillon m;
            for (double x : e)
                if (!std::isnan(x))
                    m.ajouter(x);
            return m.taille() ? m.mediane() : 0.0;
        };
        const QVector<double> sorties = ecarts(mediane(ecarts(0)));
        const int trouves =
            int(std::count_if(sorties.begin(), sorties.end(), [](double e) { return !std::isnan(e); }));
        const bool cloture = !sorties.isEmpty() && !std::isnan(sorties.last());
        QStringList manques;
        for (int k = 1; k < t.size(); ++k) {
            const double minuterie = t[k].ms - (t[k - 1].ms + t[k - 1].intervalle);
            retardsMinuterie.ajouter(minuterie);
            if (std::isnan(sorties[k - 1])) {
                manques << QStringLiteral("%1 (after %2 ms)").arg(k).arg(t[k - 1].intervalle);
                continue;
            }
            retards.ajouter(sorties[k - 1] + minuterie);
            if (k + 1 == t.size())
                retardsCloture.ajouter(sorties[k - 1] + minuterie);
        }
        joues += t.size() - 1;
        entendus += sons.size();
        complets += trouves == t.size() - 1 && sons.size() == t.size() - 1;
        clotures += cloture;
        qInfo("run %d: %d ticks played, %d heard, %d in place, closing tick %s%s%s", essai + 1,
              int(t.size()) - 1, int(sons.size()), trouves, cloture ? "heard" : "LOST",
              manques.isEmpty() ? "" : "; not in place: ", qPrintable(manques.join(", ")));
    }
    const QString tous = QStringLiteral("%1 of %2").arg(essais).arg(essais);
    Tableau::imprimer({QStringLiteral("Fling of the program: runs with every tick heard"), QString(),
                       QStringLiteral("%1 of %2").arg(complets).arg(essais), QString(), QString(), tous,
                       Tableau::verdict(complets == essais)});
    Tableau::imprimer({QStringLiteral("Fling of the program: ticks heard / played"), QString(),
                       QStringLiteral("%1 / %2").arg(entendus).arg(joues), QString(), QString(), QString(),
                       QString()});
    Tableau::imprimer({QStringLiteral("Fling of the program: closing tick heard"), QString(),
                       QStringLiteral("%1 of %2").arg(clotures).arg(essais), QString(), QString(), tous,
                       Tableau::verdict(clotures == essais)});
    const auto ligne = [](const QString &mesure, const Echantillon &e, bool cible) {
        Tableau::imprimer({mesure, QString(),
                           Tableau::nombre(e.mediane(), 1) + " / " + Tableau::nombre(e.centile(100), 1),
                           QString(), QString(), cible ? QStringLiteral("≤ 30") : QString(),
                           cible ? Tableau::verdict(e.centile(100) <= 30) : QString()});
    };
    ligne(QStringLiteral("Fling of the program: every tick heard after due, median / max (ms)"), retards,
          true);
    ligne(QStringLiteral("Fling of the program: closing tick heard after due, median / max (ms)"),
          retardsCloture, true);
    ligne(QStringLiteral("Fling of the program: its timer's share, played after due, median / max (ms)"),
          retardsMinuterie, false);
    return 0;
}
