#ifndef DEMARRAGE_H
#define DEMARRAGE_H

#include <QPoint>
#include <QProcess>
#include <QStringList>

// Starts a window program and watches one pixel of its window on the screen:
// the time from the process start to the first completed frame is when the
// pixel turns to the grey that all the programs measured clear to.
class Demarrage
{
public:
    Demarrage(const QStringList &commande, const QPoint &pixel);
    ~Demarrage();

    // ms from the start of the process to its first frame, or -1 when none
    // comes within 20 s.
    double lancer();
    // Drags the wheel of the window with the real pointer and lets it go.
    void lancerLaRoue();
    // Waits until the process has used less than a twentieth of a core over
    // a quarter of a second, or until the limit; returns the ms waited.
    double attendreLeRepos(int limiteMs);
    long memoireCreteKo() const;
    void arreter();

private:
    QStringList commande;
    QPoint pixel;
    QProcess processus;
};

#endif
