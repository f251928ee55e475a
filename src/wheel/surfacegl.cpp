#include "surfacegl.h"

#include <QPainter>

#if QT_VERSION_MAJOR >= 6
#include <QGuiApplication>
#include <QOpenGLContext>
#include <QOpenGLPaintDevice>
#include <QVBoxLayout>
#include <QWindow>

#include "toilegl.h"
#endif

void SurfaceGL::peindreSur(QPaintDevice *appareil)
{
    glClearColor(qRed(grisFond) / 255.0f, qGreen(grisFond) / 255.0f, qBlue(grisFond) / 255.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    QPainter painter(appareil);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
#if QT_VERSION_MAJOR < 6
    painter.setRenderHint(QPainter::HighQualityAntialiasing);
#endif
    painter.setRenderHint(QPainter::Antialiasing);
    peindre(painter);
}

void SurfaceGL::paintEvent(QPaintEvent *)
{
    dessiner();
}

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
    peindreSur(this);
    swapBuffers();
}

void SurfaceGL::peindreImage()
{
    repaint();
    makeCurrent();
    glFinish();
}

#else

// Only X gives a native child widget content of its own: Qt's other
// platforms draw every widget into the top-level's buffer, under a window
// of ours.
SurfaceGL::SurfaceGL(QWidget *parent)
    : QWidget(parent),
      fenetre(nullptr),
      toile(nullptr),
      contexte()
{
    auto *disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        // The window goes into this widget's own: one made later would
        // cover it. Painted on screen, the widget has no buffer of its own
        // to copy to the screen at each frame under the window.
        setAttribute(Qt::WA_NativeWindow);
        setAttribute(Qt::WA_PaintOnScreen);
        fenetre = new QWindow;
        fenetre->setSurfaceType(QSurface::OpenGLSurface);
        fenetre->installEventFilter(this);
        // The container owns the window.
        disposition->addWidget(QWidget::createWindowContainer(fenetre, this));
    } else {
        toile = new ToileGL(*this);
        disposition->addWidget(toile);
    }
}

// The context goes before its window.
SurfaceGL::~SurfaceGL()
{
    contexte.reset();
}

// A frame of this widget is one of the composited widget, when there is one.
void SurfaceGL::dessiner()
{
    if (toile)
        toile->update();
    if (!fenetre || !fenetre->isExposed())
        return;
    if (!contexte) {
        contexte = std::make_unique<QOpenGLContext>();
        contexte->setFormat(fenetre->requestedFormat());
        if (!contexte->create())
            return;
    }
    if (!contexte->makeCurrent(fenetre))
        return;
    {
        const qreal echelle = fenetre->devicePixelRatio();
        QOpenGLPaintDevice appareil(fenetre->size() * echelle);
        appareil.setDevicePixelRatio(echelle);
        peindreSur(&appareil);
    }
    contexte->swapBuffers(fenetre);
}

void SurfaceGL::peindreImage()
{
    repaint();
    if (toile)
        toile->makeCurrent();
    else if (contexte)
        contexte->makeCurrent(fenetre);
    glFinish();
}

// The window, made once the widget shows, is stacked over the widgets
// that the parent draws: those over this one get windows of their own,
// raised over it.
void SurfaceGL::leverVoisins()
{
    if (!parentWidget())
        return;
    const QObjectList &voisins = parentWidget()->children();
    for (qsizetype i = voisins.indexOf(this) + 1; i < voisins.size(); ++i)
        if (auto *voisin = qobject_cast<QWidget *>(voisins[i])) {
            voisin->setAttribute(Qt::WA_NativeWindow);
            voisin->windowHandle()->raise();
        }
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
    default: return false;
    }
}

#endif
