#include "surfacegl.h"

#include <QGuiApplication>
#include <QPainter>
#include <QVBoxLayout>

#include "fenetregl.h"
#include "toilegl.h"

// Only X gives a native child widget content of its own: Qt's other
// platforms draw every widget into the top-level's buffer, under a window
// of ours.
SurfaceGL::SurfaceGL(QWidget *parent)
    : QWidget(parent),
      fenetre(nullptr),
      toile(nullptr)
{
    auto *disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        // The window goes into this widget's own: one made later would
        // cover it. Qt makes the widget's siblings native too, stacked in
        // their order: those made after it, the sound button, stay over it.
        // Painted on screen, the widget has no buffer of its own to copy to
        // the screen at each frame under the window.
        setAttribute(Qt::WA_NativeWindow);
        setAttribute(Qt::WA_PaintOnScreen);
        fenetre = new FenetreGL(*this);
        // The container owns the window.
        disposition->addWidget(QWidget::createWindowContainer(fenetre, this));
    } else {
        toile = new ToileGL(*this);
        disposition->addWidget(toile);
    }
}

void SurfaceGL::peindreSur(QPaintDevice *appareil)
{
    glClearColor(qRed(grisFond) / 255.0f, qGreen(grisFond) / 255.0f, qBlue(grisFond) / 255.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    QPainter painter(appareil);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    peindre(painter);
}

void SurfaceGL::paintEvent(QPaintEvent *)
{
    if (fenetre)
        fenetre->dessiner();
    else
        toile->update();
}

void SurfaceGL::peindreImage()
{
    repaint();
    if (fenetre)
        fenetre->rendreCourante();
    else
        toile->makeCurrent();
    glFinish();
}

QPaintEngine *SurfaceGL::paintEngine() const
{
    return fenetre ? nullptr : QWidget::paintEngine();
}

bool SurfaceGL::event(QEvent *e)
{
    // The pointer is over the window, not over the widget.
    if (e->type() == QEvent::CursorChange && fenetre)
        fenetre->setCursor(cursor());
    return QWidget::event(e);
}
