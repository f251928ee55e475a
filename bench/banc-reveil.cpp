#include "appli.h"
#include "banc.h"
#include "ecoutepassive.h"
#include "enregistrement.h"
#include "essais.h"
#include "son.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QScopeGuard>

#include <algorithm>

namespace {

// The sink measured on, which nothing else keeps awake.
const QString dormeur = QStringLiteral("dormeur");

// The state of the audio server's sink `sortie`: RUNNING, IDLE or
// SUSPENDED; empty when there is no such sink.
QString etatSortie(const QString &sortie)
{
    // One line a sink: index, name, driver, sample format, state.
    const QStringList lignes = pactl({"list", "short", "sinks"}).split('\n');
    const auto trouvee = std::find_if(lignes.cbegin(), lignes.cend(), [&sortie](const QString &l) {
        return l.section('\t', 1, 1) == sortie;
    });
    return trouvee != lignes.cend() ? trouvee->section('\t', 4, 4) : QString();
}

} // namespace

// How much later than usual the first tick is heard when the sink was
// suspended, on the desktop's audio server: a sink of its own, made the
// default, is left to suspend under a recording that does not keep it
// awake, which therefore hears nothing until the sink runs again. Three
// ticks are played 150 ms apart, the first into the suspended sink, the
// others into the sink that now runs. A tick is late against the next by
// the time between their plays less the time between their sounds; the
// second against the third, when nothing wakes, is the floor.
//   banc-reveil [runs]
int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const int essais = qMax(1, QCoreApplication::arguments().value(1, QStringLiteral("10")).toInt());
    const bool pipewire = pactl({"info"}).contains(QStringLiteral("on PipeWire"));
    // WirePlumber suspends an idle sink by itself; PulseAudio with its
    // module, as its stock configuration loads it.
    QStringList modules = {pactl({"load-module", "module-null-sink", "sink_name=" + dormeur})};
    if (!pipewire)
        modules << pactl({"load-module", "module-suspend-on-idle"});
    const auto retablir = qScopeGuard([&modules] {
        pactl({"set-default-sink", "nul"});
        for (const QString &m : modules)
            pactl({"unload-module", m});
    });
    pactl({"set-default-sink", dormeur});
    // What plays already, PulseAudio's keep-awake silence, stays where it was.
    for (const QString &entree : pactl({"list", "short", "sink-inputs"}).split('\n'))
        if (!entree.isEmpty())
            pactl({"move-sink-input", entree.section('\t', 0, 0), "nul"});
    Son son(QStringLiteral(DRAVOUNE_DOSSIER_TIC "/" DRAVOUNE_TIC));

    const auto suspendu = [] { return etatSortie(dormeur) == QStringLiteral("SUSPENDED"); };
    std::vector<double> reveil, eveille;
    for (int essai = 0; essai < essais; ++essai) {
        // The sink woken, so that the recording connects, and left to
        // suspend: both servers wake a sink for a moment as a stream opens
        // on it.
        EcoutePassive ecoute(dormeur);
        if (!ecoute.demarrer())
            qFatal("run %d: the recording does not start", essai + 1);
        son.play();
        if (!Appli::attendre([&ecoute] { return ecoute.enregistre(); }, 10000)
            || !Appli::attendre(suspendu, 30000, 100))
            qFatal("run %d: the recording does not start, or the sink is not suspended", essai + 1);
        const int avant = int(ecoute.echantillons().size());
        // Three plays 150 ms apart, so that the sink runs from the first to
        // the last.
        QElapsedTimer horloge;
        horloge.start();
        double p[3];
        for (int i = 0; i < 3; ++i) {
            Appli::attendre([&horloge, i] { return horloge.elapsed() >= qint64(150) * i; }, 1000, 1);
            p[i] = double(horloge.nsecsElapsed()) / 1e6;
            son.play();
        }
        Appli::attendre([] { return false; }, 700);
        const QVector<double> a = Enregistrement::attaquesDe(ecoute.echantillons().mid(avant));
        qInfo("run %d: %d of 3 ticks heard", essai + 1, int(a.size()));
        if (a.size() != 3)
            continue;
        reveil.push_back(p[1] - p[0] - 1000 * (a[1] - a[0]));
        eveille.push_back(p[2] - p[1] - 1000 * (a[2] - a[1]));
    }
    const QString debut =
        QStringLiteral("First tick into a suspended sink, on ") + (pipewire ? "PipeWire" : "PulseAudio");
    ligne({debut + ": runs with every tick heard", "",
           QStringLiteral("%1 of %2").arg(reveil.size()).arg(essais), "", "", "",
           QStringLiteral("%1 of %1").arg(essais), verdict(reveil.size() == size_t(essais))});
    const auto chiffres = [](const std::vector<double> &e) {
        return nombre(centile(e, 50), 1) + " / " + nombre(centile(e, 100), 1);
    };
    ligne({debut + ": later than the next, median / max (ms)",
           {},
           chiffres(reveil),
           chiffres(eveille),
           {},
           {},
           "≤ 30",
           verdict(centile(reveil, 100) <= 30)});
    return 0;
}
