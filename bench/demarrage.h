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
    // The pixel is given in the window, which shows at origine.
    Demarrage(const QStringList &commande, const QPoint &origine, const QPoint &pixel);
    ~Demarrage();

    // ms from the start of the process to its first frame, or -1 when none
    // comes within 20 s.
    double lancer();
    long memoireCreteKo() const;
    void arreter();

private:
    QStringList commande;
    QPoint pixel;
    QProcess processus;
};

#endif
