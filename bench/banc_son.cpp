#include "son.h"
#include "tableau.h"
#include "tempscpu.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <memory>

namespace {

constexpr int tours = 3;
constexpr int dureeMs = 4000;
constexpr int installationMs = 1000;

struct Repos
{
    double processus = 0.0;     // share of a core
    double serveur = 0.0;
};

void attendre(int ms)
{
    QTimer minuterie;
    minuterie.setSingleShot(true);
    minuterie.start(ms);
    while (minuterie.isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// CPU over an idle spell of the event loop: this process, and the audio
// server if it is known.
Repos mesurerRepos(pid_t serveur)
{
    QElapsedTimer horloge;
    const double avant = tempsCpuProcessus();
    const double avantServeur = serveur ? tempsCpuProcessus(serveur) : 0.0;
    horloge.start();
    attendre(dureeMs);
    const double secondes = double(horloge.nsecsElapsed()) / 1e9;
    Repos r;
    r.processus = (tempsCpuProcessus() - avant) / secondes;
    if (serveur)
        r.serveur = (tempsCpuProcessus(serveur) - avantServeur) / secondes;
    return r;
}

} // namespace

// The tick sound between ticks: an idle process holding it, its stream
// open and silent, against the same process without it, in alternating
// spells. With a PulseAudio server running, the server's own CPU too.
//   banc-son <tick file> <label> [pid of the audio server]
int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QString tic = arguments.value(1);
    const QString etiquette = arguments.value(2);
    const pid_t serveur = pid_t(arguments.value(3).toInt());

    Repos sans;
    Repos avec;
    for (int i = 0; i < tours; ++i) {
        const Repos a = mesurerRepos(serveur);
        auto son = std::make_unique<Son>(tic);
        attendre(installationMs);
        const Repos b = mesurerRepos(serveur);
        son.reset();
        sans.processus += a.processus / tours;
        sans.serveur += a.serveur / tours;
        avec.processus += b.processus / tours;
        avec.serveur += b.serveur / tours;
    }
    const auto pourcent = [](double coeurs) { return Tableau::nombre(100.0 * coeurs, 2) + " %"; };
    Tableau::imprimer({QStringLiteral("Tick sound idle, CPU of the process (%1)").arg(etiquette), {},
                       pourcent(avec.processus), pourcent(sans.processus),
                       Tableau::ecart(100.0 * avec.processus, 100.0 * sans.processus, 2, QStringLiteral(" %")),
                       QStringLiteral("not measurable"),
                       Tableau::verdict(avec.processus - sans.processus < 0.002)});
    if (serveur)
        Tableau::imprimer({QStringLiteral("Tick sound idle, CPU of the audio server (%1)").arg(etiquette),
                           {}, pourcent(avec.serveur), pourcent(sans.serveur),
                           Tableau::ecart(100.0 * avec.serveur, 100.0 * sans.serveur, 2, QStringLiteral(" %")),
                           {}, {}});
    return 0;
}
