#include "fenetregl.h"

#include <QCoreApplication>
#include <QOpenGLPaintDevice>

#include "surfacegl.h"

FenetreGL::FenetreGL(SurfaceGL &surface)
    : surface(surface)
{
    setSurfaceType(QSurface::OpenGLSurface);
}

void FenetreGL::dessiner()
{
    if (!isExposed())
        return;
    if (!contexte) {
        contexte = std::make_unique<QOpenGLContext>();
        contexte->setFormat(requestedFormat());
        if (!contexte->create())
            return;
    }
    if (!contexte->makeCurrent(this))
        return;
    {
        const qreal echelle = devicePixelRatio();
        QOpenGLPaintDevice appareil(size() * echelle);
        appareil.setDevicePixelRatio(echelle);
        surface.peindreSur(&appareil);
    }
    contexte->swapBuffers(this);
}

void FenetreGL::rendreCourante()
{
    if (contexte)
        contexte->makeCurrent(this);
}

// The pointer events are the surface's, at the same place: the window
// fills it. The window paints once it shows, and at each size.
bool FenetreGL::event(QEvent *e)
{
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        const std::unique_ptr<QEvent> copie(e->clone());
        QCoreApplication::sendEvent(&surface, copie.get());
        return true;
    }
    case QEvent::Expose: dessiner(); break;
    default: break;
    }
    return QWindow::event(e);
}
