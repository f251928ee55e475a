#ifndef APPLI_H
#define APPLI_H

#include "ecran.h"
#include "processus.h"

class Bureau;

// The built program, started on a desktop and handled as a person would:
// the real pointer and keyboard through xdotool, the screen through
// screenshots.
class Appli
{
public:
    // What a drag did, from the pixels the pointer really went through.
    struct Geste
    {
        double angle;       // swept around the centre, counter-clockwise positive
        double dernierPas;  // the last move's share of it
    };

    explicit Appli(const Bureau &bureau);
    // Passes on what the program printed, for the test's log.
    ~Appli();

    // Starts the command, the built program unless told otherwise, in the
    // given working directory and waits until its window shows. A command
    // that wraps the program must exec it, or leave it the process's pid.
    bool demarrer(const QString &dossierTravail,
                  const QStringList &commande = {QStringLiteral(DRAVOUNE_PROGRAMME)});
    bool enMarche() const;
    // The environment demarrer() gives the program: the desktop's, unless
    // changed before.
    QProcessEnvironment &environnement();
    // Whatever the program has printed so far, on either channel.
    QByteArray messages();

    QString titre() const;
    // Whether the window manager was given an icon for the window.
    bool aUneIcone() const;
    // The window's inside, in screen coordinates.
    QRect geometrie() const;
    Ecran ecran() const;
    // The window once two screenshots in a row agree; null if it never
    // settles. dernierMouvement, if given, receives a time (Bureau::horloge)
    // at which the window still changed.
    Ecran ecranImmobile(int delaiMs = 30000, double *dernierMouvement = nullptr) const;

    // Presses on the wheel at angle depart (degrees, counter-clockwise from
    // three o'clock), drags along a circle by steps of pas, pauses, makes a
    // last move of dernierPas to end angle degrees further, and releases.
    Geste glisser(double depart, double angle, double pas, double dernierPas) const;
    // A click at a point of the window.
    bool cliquer(const QPoint &point) const;
    bool redimensionner(const QSize &taille) const;
    // Closes the window as its user would; the exit code, or -1 when the
    // process does not end by itself.
    int fermer();

private:
    bool xdotool(const QStringList &arguments, QByteArray *sortie = nullptr) const;

    const Bureau &bureau;
    QProcessEnvironment env;
    Processus programme;
    QString fenetre;
    QByteArray sortie;
};

#endif
