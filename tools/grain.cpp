#include "grain.h"

#include "geometrieroue.h"

#include <QTransform>

namespace {

// Tilt of the long axis, anticlockwise from horizontal.
constexpr qreal inclinaison = 38;
// Half-width of the bean against a half-length of 1.
constexpr qreal demiLargeur = 0.68;

} // namespace

Grain::Grain(const QRectF &rectangle)
    : cadre(rectangle)
{
}

QColor Grain::couleur()
{
    return QColor(GeometrieRoue::brunGrain);
}

QPainterPath Grain::chemin() const
{
    const QPainterPath incline = QTransform().rotate(-inclinaison).map(modele());
    const QRectF boite = incline.boundingRect();
    QTransform ajustement;
    ajustement.translate(cadre.left(), cadre.top());
    ajustement.scale(cadre.width() / boite.width(), cadre.height() / boite.height());
    ajustement.translate(-boite.left(), -boite.top());
    return ajustement.map(incline);
}

QPainterPath Grain::modele()
{
    QPainterPath grain;
    grain.setFillRule(Qt::OddEvenFill);
    grain.addEllipse(QPointF(0, 0), 1, demiLargeur);
    // The groove is a lens drawn inside the outline: with the odd-even rule
    // it becomes a slit through the bean, pointed at both ends.
    const QPointF debut(-0.8, 0.05);
    const QPointF fin(0.8, -0.05);
    const QPointF c1(-0.28, -0.34);
    const QPointF c2(0.28, 0.34);
    const QPointF ecart(0, 0.1);
    grain.moveTo(debut);
    grain.cubicTo(c1 - ecart, c2 - ecart, fin);
    grain.cubicTo(c2 + ecart, c1 + ecart, debut);
    grain.closeSubpath();
    return grain;
}
