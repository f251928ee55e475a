#ifndef SURFACEGL_H
#define SURFACEGL_H

#include <QRgb>
#include <QWidget>

class FenetreGL;
class QPainter;
class ToileGL;

// The grey behind the wheel.
constexpr QRgb grisFond = qRgb(0xf0, 0xf0, 0xf0);

// A widget whose frames are painted with OpenGL: cleared to grisFond, then
// painted by peindre(). On X they go straight into the buffers of an OpenGL
// window of its own (FenetreGL); elsewhere through a QOpenGLWidget that
// fills it (ToileGL).
class SurfaceGL : public QWidget
{
    Q_OBJECT

public:
    explicit SurfaceGL(QWidget *parent);

    // Paints a frame now and waits until the GL has drawn it.
    void peindreImage();

protected:
    // Paints the frame on a cleared surface, with smooth, antialiased
    // drawing, in the widget's coordinates.
    virtual void peindre(QPainter &painter) = 0;

    void paintEvent(QPaintEvent *) override;
    QPaintEngine *paintEngine() const override;
    bool event(QEvent *e) override;

private:
    friend class FenetreGL;
    friend class ToileGL;

    // Clears the current surface and paints the frame on it.
    void peindreSur(QPaintDevice *appareil);

    FenetreGL *fenetre; // on X
    ToileGL *toile;     // elsewhere
};

#endif
