#ifndef GRAIN_H
#define GRAIN_H

#include <QLineF>
#include <QPainterPath>
#include <QRectF>
#include <QTransform>

// The coffee bean of the hub, the icons and the rating cells: an oval whose
// long axis rises to the right, split by an S-shaped groove. Paths are
// stretched to touch all four sides of the frame.
class Grain
{
public:
    explicit Grain(const QRectF &rectangle);

    // The outline with the groove as a hole, as wide as given against a bean
    // two long: the hub's bean is shown large enough for a fine one.
    QPainterPath chemin(qreal largeurSillon = 0.15) const;
    QPainterPath contour() const;
    QPainterPath sillon(qreal largeur) const;
    // Where the groove starts and ends.
    QLineF bouts() const;

private:
    QTransform ajustement() const;

    QRectF cadre;
};

#endif
