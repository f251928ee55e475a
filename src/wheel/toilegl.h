#ifndef TOILEGL_H
#define TOILEGL_H

#include <QOpenGLWidget>

class SurfaceGL;

// Where Qt 6 gives a widget's native window no content of its own, the
// surface paints through a QOpenGLWidget that fills it: Qt composites it
// with the other widgets. Its pointer events pass on to the surface.
class ToileGL : public QOpenGLWidget
{
public:
    explicit ToileGL(SurfaceGL &surface);

protected:
    void paintGL() override;

private:
    SurfaceGL &surface;
};

#endif
