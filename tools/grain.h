#ifndef GRAIN_H
#define GRAIN_H

#include <QColor>
#include <QPainterPath>
#include <QRectF>

// The coffee bean of the hub, the window icon and the rating cells: an
// oval whose long axis rises to the right, split by an S-shaped groove.
class Grain
{
public:
    explicit Grain(const QRectF &rectangle);

    // Bean outline with the groove as a hole, stretched to touch all four
    // sides of the frame.
    QPainterPath chemin() const;

    static QColor couleur();

private:
    static QPainterPath modele();

    QRectF cadre;
};

#endif
