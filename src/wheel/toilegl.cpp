#include "toilegl.h"

#include "surfacegl.h"

ToileGL::ToileGL(SurfaceGL &surface)
    : QOpenGLWidget(&surface),
      surface(surface)
{}

void ToileGL::paintGL()
{
    surface.peindreSur(this);
}
