#include "fenetrenue.h"

FenetreNue::FenetreNue(QWidget *parent)
    : QGLWidget(parent)
{
    setAutoFillBackground(false);
    setAutoBufferSwap(false);
}

void FenetreNue::paintEvent(QPaintEvent *)
{
    makeCurrent();
    glClearColor(0.94f, 0.94f, 0.94f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    swapBuffers();
}
