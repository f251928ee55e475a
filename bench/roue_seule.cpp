#include "roueseule.h"

#include <QApplication>
#include <QTimer>

// The wheel picture alone as a program, for the start-up and memory
// figures: a window of the program's size that turns the picture at the
// coast's 20 ms period.
int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    RoueSeule fenetre;
    fenetre.resize(800, 800);
    fenetre.show();

    QTimer images;
    images.setTimerType(Qt::PreciseTimer);
    QObject::connect(&images, &QTimer::timeout, &fenetre, [&fenetre] {
        fenetre.tourner(1.0f);
        fenetre.update();
    });
    images.start(20);
    return QApplication::exec();
}
