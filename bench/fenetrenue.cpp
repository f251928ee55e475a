#include "fenetrenue.h"

#include "zoneroue.h"

FenetreNue::FenetreNue(QWidget *parent)
    : SurfaceGL(parent)
{
    setAutoFillBackground(false);
#if QT_VERSION_MAJOR < 6
    setAutoBufferSwap(false);
#endif
}

// Where and as the wheel paints (zoneroue.cpp).
#if QT_VERSION_MAJOR < 6
void FenetreNue::paintEvent(QPaintEvent *)
{
    makeCurrent();
    effacerFond();
    swapBuffers();
}
#else
void FenetreNue::paintGL()
{
    effacerFond();
}
#endif
