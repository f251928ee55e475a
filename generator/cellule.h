#ifndef CELLULE_H
#define CELLULE_H

#include <QPainterPath>
#include <QPointF>
#include <QRectF>

// A piece of a ring between two radii and two angles. Angles are in degrees,
// measured anticlockwise from straight up, around the origin.
class Cellule
{
public:
    Cellule(qreal rayonInterieur, qreal rayonExterieur, qreal angleDebut, qreal ouverture);

    qreal rayonInterieur() const { return interieur; }
    qreal rayonExterieur() const { return exterieur; }
    qreal rayonMilieu() const { return (interieur + exterieur) / 2; }
    qreal angleDebut() const { return debut; }
    qreal angleCentre() const { return debut + angle / 2; }
    qreal ouverture() const { return angle; }

    QPainterPath chemin() const;

    static QPointF point(qreal rayon, qreal angle);
    // The square that bounds the circle of that radius around the origin.
    static QRectF cercle(qreal rayon);

private:
    qreal interieur;
    qreal exterieur;
    qreal debut;
    qreal angle;
};

#endif
