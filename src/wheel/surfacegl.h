#ifndef SURFACEGL_H
#define SURFACEGL_H

#include <QRgb>
#include <QtGlobal>

#include <memory>

#if QT_VERSION_MAJOR < 6
#include <QGLWidget>
using BaseSurfaceGL = QGLWidget;
#else
#include <QWidget>
using BaseSurfaceGL = QWidget;
class QOpenGLContext;
class QWindow;
class ToileGL;
#endif

class QPainter;

// The grey behind the wheel.
constexpr QRgb grisFond = qRgb(0xf0, 0xf0, 0xf0);

// A widget whose frames are painted straight into the window's buffers:
// made current, cleared to grisFond, painted by peindre(), swapped. On
// Qt 5 a QGLWidget. Qt 6 has none: its QOpenGLWidget paints into a
// framebuffer object that the window then composites with the other
// widgets, three passes over the window a frame. On X the frames go to an
// OpenGL window of ours in a window container instead, whose pointer
// events the widget receives as its own, and the widgets over this one get
// native windows of their own, raised over it.
class SurfaceGL : public BaseSurfaceGL
{
    Q_OBJECT

public:
    explicit SurfaceGL(QWidget *parent);
    ~SurfaceGL() override;

    // Paints a frame now and waits until the GL has drawn it.
    void peindreImage();

protected:
    // Paints the frame on a cleared surface, with smooth, antialiased
    // drawing, in the widget's coordinates.
    virtual void peindre(QPainter &painter) = 0;

    void paintEvent(QPaintEvent *) override;
#if QT_VERSION_MAJOR >= 6
    QPaintEngine *paintEngine() const override;
    bool event(QEvent *e) override;
    bool eventFilter(QObject *objet, QEvent *e) override;

private:
    friend class ToileGL;
    void leverVoisins();

    QWindow *fenetre;
    ToileGL *toile;
    std::unique_ptr<QOpenGLContext> contexte;
#endif

private:
    void dessiner();
    // Clears the current surface and paints the frame on it.
    void peindreSur(QPaintDevice *appareil);
};

#endif
