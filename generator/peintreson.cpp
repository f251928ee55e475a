#include "peintres.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

namespace {

constexpr int cote = 128;
const QPointF tetes[] = {QPointF(35, 101), QPointF(93, 89)};
constexpr qreal demiLargeurTete = 17;
constexpr qreal demiHauteurTete = 12.5;

// The shape filled with the gradient, its edge antialiased. Qt steps a
// gradient from the first pixel of each run that its rasteriser hands over,
// and starts a new run where a row's full coverage begins: laid over whole
// rows instead, the gradient is the one the committed pictures have.
QImage remplie(const QPainterPath &forme, const QGradient &degrade)
{
    QImage calque(cote, cote, QImage::Format_ARGB32_Premultiplied);
    calque.fill(Qt::transparent);
    QPainter peintre(&calque);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.fillPath(forme, Qt::black);
    peintre.setCompositionMode(QPainter::CompositionMode_SourceIn);
    peintre.fillRect(calque.rect(), degrade);
    return calque;
}

QPainterPath notes()
{
    QPainterPath formes;
    formes.setFillRule(Qt::WindingFill);
    for (const QPointF &tete : tetes) {
        QPainterPath ovale;
        ovale.addEllipse(QPointF(), demiLargeurTete, demiHauteurTete);
        QTransform pose;
        pose.translate(tete.x(), tete.y());
        pose.rotate(-22);
        formes.addPath(pose.map(ovale));
        // Stems rise from the right side of the heads, as engraved music has them.
        const qreal x = tete.x() + demiLargeurTete - 5;
        formes.addRect(QRectF(x, tete.y() - 72, 6, 70));
    }
    const QPointF gauche(tetes[0].x() + demiLargeurTete - 5, tetes[0].y() - 76);
    const QPointF droite(tetes[1].x() + demiLargeurTete + 1, tetes[1].y() - 76);
    QPolygonF poutre;
    poutre << gauche << droite << droite + QPointF(0, 17) << gauche + QPointF(0, 17);
    formes.addPolygon(poutre);
    formes.closeSubpath();
    return formes.simplified();
}

} // namespace

QImage dessinerSon(bool barre)
{
    QImage image(cote, cote, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);

    QLinearGradient degrade(QPointF(20, 10), QPointF(110, 120));
    degrade.setColorAt(0, QColor(0xB8, 0xF0, 0x9C));
    degrade.setColorAt(0.45, QColor(0x4C, 0xB8, 0x4A));
    degrade.setColorAt(1, QColor(0x1B, 0x6B, 0x22));
    const QPainterPath formes = notes();
    peintre.drawImage(0, 0, remplie(formes, degrade));
    peintre.strokePath(formes, QPen(QColor(0x0F, 0x4A, 0x17), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    // A soft gloss on each note head gives the relief of an enamel badge.
    for (const QPointF &tete : tetes) {
        const QPointF reflet = tete + QPointF(-6, -5);
        QRadialGradient brillance(reflet, 9);
        brillance.setColorAt(0, QColor(255, 255, 255, 170));
        brillance.setColorAt(1, QColor(255, 255, 255, 0));
        QPainterPath ovale;
        ovale.addEllipse(reflet, 9, 6);
        peintre.drawImage(0, 0, remplie(ovale, brillance));
    }

    if (barre) {
        // A white edge keeps the bar readable where it crosses the dark notes.
        const QLineF diagonale(8, 8, cote - 8, cote - 8);
        peintre.setPen(QPen(Qt::white, 20, Qt::SolidLine, Qt::RoundCap));
        peintre.drawLine(diagonale);
        peintre.setPen(QPen(Qt::black, 14, Qt::SolidLine, Qt::RoundCap));
        peintre.drawLine(diagonale);
    }
    return image;
}
