#include "grain.h"

#include <QTransform>

namespace {

// Tilt of the long axis, anticlockwise from horizontal.
constexpr qreal inclinaison = 38;
// Half-width of the bean against a half-length of 1.
constexpr qreal demiLargeur = 0.68;
// The groove's ends and the control points that bend it into an S.
const QPointF debut(-0.8, 0.05);
const QPointF fin(0.8, -0.05);
const QPointF c1(-0.28, -0.34);
const QPointF c2(0.28, 0.34);

QPainterPath ovale()
{
    QPainterPath grain;
    grain.addEllipse(QPointF(0, 0), 1, demiLargeur);
    return grain;
}

// The groove: a lens pointed at both ends, its curves bulging by three
// quarters of their control points' offset.
QPainterPath lentille(qreal largeur)
{
    const QPointF ecart(0, largeur / 1.5);
    QPainterPath forme(debut);
    forme.cubicTo(c1 - ecart, c2 - ecart, fin);
    forme.cubicTo(c2 + ecart, c1 + ecart, debut);
    forme.closeSubpath();
    return forme;
}

} // namespace

Grain::Grain(const QRectF &rectangle)
    : cadre(rectangle)
{}

QPainterPath Grain::chemin(qreal largeurSillon) const
{
    // With the odd-even rule the groove drawn inside the outline becomes a
    // slit through the bean.
    QPainterPath grain = ovale();
    grain.setFillRule(Qt::OddEvenFill);
    grain.addPath(lentille(largeurSillon));
    return ajustement().map(grain);
}

QPainterPath Grain::contour() const
{
    return ajustement().map(ovale());
}

QPainterPath Grain::sillon(qreal largeur) const
{
    return ajustement().map(lentille(largeur));
}

QLineF Grain::bouts() const
{
    const QTransform t = ajustement();
    return QLineF(t.map(debut), t.map(fin));
}

QTransform Grain::ajustement() const
{
    const QTransform rotation = QTransform().rotate(-inclinaison);
    const QRectF boite = rotation.map(ovale()).boundingRect();
    QTransform cadrage;
    cadrage.translate(cadre.left(), cadre.top());
    cadrage.scale(cadre.width() / boite.width(), cadre.height() / boite.height());
    cadrage.translate(-boite.left(), -boite.top());
    return rotation * cadrage;
}
