#ifndef TOILEGL_H
#define TOILEGL_H

#include <QOpenGLWidget>

class SurfaceGL;

// Where a widget's native window has no content of its own (all but X),
// the surface paints through this QOpenGLWidget that fills it: Qt
// composites it with the other widgets. Its pointer events pass on to the
// surface.
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
