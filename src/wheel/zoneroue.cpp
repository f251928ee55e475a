#include "zoneroue.h"

#include "cinematique.h"
#include "disposition.h"

#include <QPainter>

ZoneRoue::ZoneRoue(const QString &cheminSon, QWidget *parent)
    : WidgetTournant(cheminSon, parent),
      imageRoue(":assets/dravoune.png"),
      imageGrain(":assets/grain.png"),
      imageLegende(":assets/legende_roue.png"),
      imageLogo(":assets/logo_tesk.png")
{
    setMinimumSize(800, 600);
}

float ZoneRoue::rayon() const
{
    return rayonRoue(size());
}

void ZoneRoue::calculerCentre()
{
    xCentre = width() / 2;
    yCentre = height() / 2;
}

bool ZoneRoue::estDansZone(int x, int y)
{
    return distance(xCentre, yCentre, x, y) < rayon();
}

void ZoneRoue::peindre(QPainter &painter)
{
    calculerCentre();
    const Disposition d = disposer(size(), imageGrain.size(), imageLegende.size(), imageLogo.size());

    // The painter turns clockwise, the wheel angle counter-clockwise.
    painter.translate(d.centre);
    painter.rotate(-double(angleRoue));
    painter.drawPixmap(QRectF(d.roue), imageRoue, QRectF());
    painter.resetTransform();

    if (!d.legende.isEmpty())
        painter.drawPixmap(QRectF(d.legende), imageLegende, QRectF());

    if (!d.grain.isEmpty()) {
        painter.translate(d.centre);
        painter.drawPixmap(QRectF(d.grain), imageGrain, QRectF());
        painter.resetTransform();
    }

    if (!d.logo.isEmpty()) {
        painter.translate(d.origineLogo);
        painter.drawPixmap(QRectF(QPointF(0, 0), QSizeF(d.logo)), imageLogo, QRectF());
    }
}
