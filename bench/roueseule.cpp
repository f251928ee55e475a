#include "roueseule.h"

#include "zoneroue.h"

#include <QPainter>

RoueSeule::RoueSeule(QWidget *parent)
    : SurfaceGL(parent),
      image(QStringLiteral(":assets/dravoune.png"))
{
    setAutoFillBackground(false);
#if QT_VERSION_MAJOR < 6
    setAutoBufferSwap(false);
#endif
}

void RoueSeule::tourner(float pas)
{
    angle += pas;
}

// Where and as the wheel paints (zoneroue.cpp).
#if QT_VERSION_MAJOR < 6
void RoueSeule::paintEvent(QPaintEvent *)
#else
void RoueSeule::paintGL()
#endif
{
#if QT_VERSION_MAJOR < 6
    makeCurrent();
#endif
    effacerFond();
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const int h = height();
    painter.translate(QPoint(width() / 2, h / 2));
    painter.rotate(-double(angle));
    painter.drawPixmap(QRectF(QRect(-(h / 2), -(h / 2), h, h)), image, QRectF());
#if QT_VERSION_MAJOR < 6
    swapBuffers();
#endif
}
