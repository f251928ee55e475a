#include "surfacegl.h"

#include <QPainter>

#if QT_VERSION_MAJOR >= 6
#include <QCoreApplication>
#include <QOpenGLContext>
#include <QOpenGLPaintDevice>
#include <QVBoxLayout>
#include <QWindow>
#endif

namespace {

void effacerFond()
{
    glClearColor(qRed(grisFond) / 255.0f, qGreen(grisFond) / 255.0f, qBlue(grisFond) / 255.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

void lisser(QPainter &painter)
{
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
#if QT_VERSION_MAJOR < 6
    painter.setRenderHint(QPainter::HighQualityAntialiasing);
#endif
    painter.setRenderHint(QPainter::Antialiasing);
}

} // namespace

#if QT_VERSION_MAJOR < 6

SurfaceGL::SurfaceGL(QWidget *parent)
    : QGLWidget(parent)
{
    setAutoFillBackground(false);
    // dessiner() clears and swaps.
    setAutoBufferSwap(false);
}

SurfaceGL::~SurfaceGL() = default;

void SurfaceGL::dessiner()
{
    makeCurrent();
    effacerFond();
    {
        QPainter painter(this);
        lisser(painter);
        peindre(painter);
    }
    swapBuffers();
}

void SurfaceGL::peindreImage()
{
    repaint();
    makeCurrent();
    glFinish();
}

#else

SurfaceGL::SurfaceGL(QWidget *parent)
    : QWidget(parent),
      fenetre(new QWindow),
      contexte()
{
    fenetre->setSurfaceType(QSurface::OpenGLSurface);
    fenetre->installEventFilter(this);
    auto *disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    // The container owns the window.
    disposition->addWidget(QWidget::createWindowContainer(fenetre, this));
}

// The context goes before its window.
SurfaceGL::~SurfaceGL()
{
    contexte.reset();
}

void SurfaceGL::dessiner()
{
    if (!fenetre->isExposed())
        return;
    if (!contexte) {
        contexte = std::make_unique<QOpenGLContext>();
        contexte->setFormat(fenetre->requestedFormat());
        if (!contexte->create())
            return;
    }
    if (!contexte->makeCurrent(fenetre))
        return;
    effacerFond();
    {
        const qreal echelle = fenetre->devicePixelRatio();
        QOpenGLPaintDevice appareil(fenetre->size() * echelle);
        appareil.setDevicePixelRatio(echelle);
        QPainter painter(&appareil);
        lisser(painter);
        peindre(painter);
    }
    contexte->swapBuffers(fenetre);
}

void SurfaceGL::peindreImage()
{
    repaint();
    if (contexte && contexte->makeCurrent(fenetre))
        glFinish();
}

// The window, made once the widget shows, is stacked over every other of
// its parent's: the native windows of the widgets over this one go back
// over it.
void SurfaceGL::leverVoisins()
{
    if (!parentWidget())
        return;
    const QObjectList &voisins = parentWidget()->children();
    for (qsizetype i = voisins.indexOf(this) + 1; i < voisins.size(); ++i) {
        auto *voisin = qobject_cast<QWidget *>(voisins[i]);
        if (voisin && voisin->windowHandle())
            voisin->windowHandle()->raise();
    }
}

bool SurfaceGL::event(QEvent *e)
{
    // The pointer is over the window, not over the widget.
    if (e->type() == QEvent::CursorChange)
        fenetre->setCursor(cursor());
    return QWidget::event(e);
}

// The window's pointer events are the widget's, at the same place: the
// window fills it. The window paints once it shows, and at each size.
bool SurfaceGL::eventFilter(QObject *objet, QEvent *e)
{
    if (objet != fenetre)
        return QWidget::eventFilter(objet, e);
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        const std::unique_ptr<QEvent> copie(e->clone());
        QCoreApplication::sendEvent(this, copie.get());
        return true;
    }
    case QEvent::Expose:
        if (!contexte)
            leverVoisins();
        dessiner();
        return false;
    default:
        return false;
    }
}

#endif

void SurfaceGL::paintEvent(QPaintEvent *)
{
    dessiner();
}
