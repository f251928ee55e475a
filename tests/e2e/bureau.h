#ifndef BUREAU_H
#define BUREAU_H

#include "processus.h"

#include <QImage>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <functional>

// A private desktop for one test process: a virtual X display with a window
// manager, and an audio server whose only output is a null sink ("nul"),
// kept busy by a silent stream so that a recording of its monitor times the
// program and not the sink waking up. Everything lives in a temporary
// directory and ends with the object.
class Bureau
{
public:
    Bureau();

    // Starts the servers; on failure erreur() says why.
    bool demarrer();
    QString erreur() const;

    // The environment that reaches this desktop and nothing else.
    QProcessEnvironment environnement() const;
    // Points this very process at the desktop, before it opens a display.
    void adopter() const;
    QString dossier() const;

    // Runs a command to its end; false if it fails or outlasts delaiMs.
    bool executer(const QString &programme, const QStringList &arguments,
                  QByteArray *sortie = nullptr, int delaiMs = 10000) const;
    QImage capture() const;

    // Milliseconds on a monotonic clock, shared by the whole harness.
    static double horloge();
    // Polls the condition every intervalleMs until it holds or delaiMs have passed.
    static bool attendre(const std::function<bool()> &condition, int delaiMs, int intervalleMs = 20);

private:
    bool lancer(Processus &processus, const QString &journal,
                const QString &programme, const QStringList &arguments);
    bool demarrerAffichage();
    bool demarrerAudio();
    bool echouer(const QString &texte);

    QTemporaryDir temporaire;
    QProcessEnvironment env;
    QString message;
    // Stopped in reverse order: the silent stream first, the display last.
    Processus affichage;
    Processus gestionnaire;
    Processus audio;
    Processus silence;
};

#endif
