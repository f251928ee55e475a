#include "fenetrenue.h"

#include "zoneroue.h"

FenetreNue::FenetreNue(QWidget *parent)
    : QGLWidget(parent)
{
    setAutoFillBackground(false);
    setAutoBufferSwap(false);
}

void FenetreNue::paintEvent(QPaintEvent *)
{
    makeCurrent();
    effacerFond();
    swapBuffers();
}
