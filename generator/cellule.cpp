#include "cellule.h"

#include <QRectF>
#include <QtMath>

Cellule::Cellule(qreal rayonInterieur, qreal rayonExterieur, qreal angleDebut, qreal ouverture)
    : interieur(rayonInterieur),
      exterieur(rayonExterieur),
      debut(angleDebut),
      angle(ouverture)
{}

QPainterPath Cellule::chemin() const
{
    // QPainterPath counts its arc angles from three o'clock, ours from noon.
    const qreal depart = 90 + debut;
    QPainterPath resultat;
    if (interieur > 0) {
        resultat.arcMoveTo(cercle(interieur), depart);
    } else {
        resultat.moveTo(0, 0);
    }
    resultat.arcTo(cercle(exterieur), depart, angle);
    if (interieur > 0)
        resultat.arcTo(cercle(interieur), depart + angle, -angle);
    resultat.closeSubpath();
    return resultat;
}

QPointF Cellule::point(qreal rayon, qreal angle)
{
    const qreal a = qDegreesToRadians(angle);
    return QPointF(-rayon * qSin(a), -rayon * qCos(a));
}

QRectF Cellule::cercle(qreal rayon)
{
    return QRectF(-rayon, -rayon, 2 * rayon, 2 * rayon);
}
