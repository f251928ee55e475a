#ifndef DEMARRAGE_H
#define DEMARRAGE_H

#include <QPoint>
#include <QProcess>
#include <QStringList>

// Starts a window program and watches one pixel of its window on the screen:
// the time from the process start to the first completed frame is when the
// pixel turns to the grey that both programs clear to.
class Demarrage
{
public:
    Demarrage(const QString &programme, const QString &dossier, const QPoint &pixel);
    ~Demarrage();

    // ms from the start of the process to its first frame; -1 when none
    // came within the limit, 20 s unless set.
    double lancer();
    void limiter(int ms);
    // Drags the wheel of the window with the real pointer and lets it go.
    void lancerLaRoue();
    // Waits until the process has used less than a twentieth of a core over
    // a quarter of a second, or until the limit; returns the ms waited.
    double attendreLeRepos(int limiteMs);
    long memoireCreteKo() const;
    void arreter();

private:
    QString programme;
    QString dossier;
    QPoint pixel;
    int limiteMs;
    QProcess processus;
};

#endif
