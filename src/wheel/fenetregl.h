#ifndef FENETREGL_H
#define FENETREGL_H

#include <QOpenGLContext>
#include <QWindow>

#include <memory>

class SurfaceGL;

// On X, the surface's frames go to this OpenGL window, in a window
// container that fills the surface: made current, painted, swapped, with
// none of the compositing of a QOpenGLWidget (three passes over the window
// a frame). Its pointer events are the surface's.
class FenetreGL : public QWindow
{
public:
    explicit FenetreGL(SurfaceGL &surface);

    void dessiner();
    // Makes the GL context current, once there is one.
    void rendreCourante();

protected:
    bool event(QEvent *e) override;

private:
    SurfaceGL &surface;
    // Made at the first frame; a member, so destroyed before its window.
    std::unique_ptr<QOpenGLContext> contexte;
};

#endif
