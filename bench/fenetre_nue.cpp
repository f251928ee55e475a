#include "fenetrenue.h"

#include <QApplication>
#include <QTimer>

// The floor of the start-up and memory figures: a window of the program's
// size that clears and swaps, repainted at the coast's 20 ms period.
int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    FenetreNue fenetre;
    fenetre.resize(800, 800);
    fenetre.show();

    QTimer images;
    images.setTimerType(Qt::PreciseTimer);
    QObject::connect(&images, &QTimer::timeout, &fenetre, [&fenetre] { fenetre.update(); });
    images.start(20);
    return QApplication::exec();
}
