#include "roueseule.h"

#include "zoneroue.h"

#include <QPainter>

RoueSeule::RoueSeule(QWidget *parent)
    : QGLWidget(parent),
      image(QStringLiteral(":assets/dravoune.png"))
{
    setAutoFillBackground(false);
    setAutoBufferSwap(false);
}

void RoueSeule::tourner(float pas)
{
    angle += pas;
}

void RoueSeule::paintEvent(QPaintEvent *)
{
    makeCurrent();
    effacerFond();
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const int h = height();
    painter.translate(QPoint(width() / 2, h / 2));
    painter.rotate(-double(angle));
    painter.drawPixmap(QRectF(QRect(-(h / 2), -(h / 2), h, h)), image, QRectF());
    swapBuffers();
}
