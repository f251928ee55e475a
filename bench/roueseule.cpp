#include "roueseule.h"

#include <QPainter>

RoueSeule::RoueSeule(QWidget *parent)
    : SurfaceGL(parent),
      image(QStringLiteral(":assets/dravoune.png"))
{}

void RoueSeule::tourner(float pas)
{
    angle += pas;
}

// As the wheel paints (zoneroue.cpp).
void RoueSeule::peindre(QPainter &painter)
{
    const int h = height();
    painter.translate(QPoint(width() / 2, h / 2));
    painter.rotate(-double(angle));
    painter.drawPixmap(QRectF(QRect(-(h / 2), -(h / 2), h, h)), image, QRectF());
}
