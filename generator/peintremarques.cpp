#include "geometrieroue.h"
#include "peintres.h"
#include "polices.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

QPainterPath ligne(const QFont &police, int taille, const QString &texte, const QPointF &milieuBase)
{
    QFont f(police);
    f.setPixelSize(taille);
    QPainterPath chemin;
    chemin.addText(0, 0, f, texte);
    return chemin.translated(milieuBase.x() - chemin.boundingRect().center().x(), milieuBase.y());
}

} // namespace

QImage logoEditeur(const Polices &polices)
{
    QImage image(GeometrieRoue::tailleLogo, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.setPen(Qt::NoPen);
    const QPointF centre(image.width() / 2.0, 33);
    peintre.setBrush(QColor(rougeMarques));
    peintre.drawRect(QRectF(30, centre.y() - 1.5, 56, 3));
    peintre.drawRect(QRectF(image.width() - 86, centre.y() - 1.5, 56, 3));
    peindreEmbleme(peintre, centre, 30);
    QFont capitales = polices.sans(true);
    capitales.setLetterSpacing(QFont::PercentageSpacing, 112);
    peintre.setBrush(Qt::black);
    peintre.drawPath(ligne(capitales, 23, QStringLiteral("ÉDITIONS TESK"), QPointF(centre.x(), 93)));
    peintre.drawPath(
        ligne(polices.serif(false), 17, QStringLiteral("cartographie du goût"), QPointF(centre.x(), 116)));
    return image;
}

QImage logoVarnoze(const Polices &polices)
{
    // Opaque on purpose: the plate is printed, not laid over anything.
    QImage image(229, 72, QImage::Format_RGB32);
    image.fill(QColor(rougeMarques));
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.setPen(QPen(Qt::white, 1.5));
    peintre.setBrush(Qt::NoBrush);
    peintre.drawRect(QRectF(4.5, 4.5, image.width() - 9, image.height() - 9));
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(Qt::white);
    QFont titre = polices.serif(true);
    titre.setLetterSpacing(QFont::PercentageSpacing, 114);
    peintre.drawPath(ligne(titre, 34, QStringLiteral("VARNOZE"), QPointF(image.width() / 2.0, 44)));
    QFont sousTitre = polices.sans(true);
    sousTitre.setLetterSpacing(QFont::PercentageSpacing, 120);
    peintre.drawPath(
        ligne(sousTitre, 10, QStringLiteral("TORRÉFACTEUR · DEPUIS 1931"), QPointF(image.width() / 2.0, 60)));
    return image;
}

void peindreEmbleme(QPainter &peintre, const QPointF &centre, qreal rayon)
{
    peintre.save();
    peintre.translate(centre);
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(QColor(rougeMarques));
    peintre.drawEllipse(QPointF(), rayon, rayon);
    const qreal trait = 0.09 * rayon;
    const qreal jante = 0.7 * rayon;
    peintre.setPen(QPen(Qt::white, trait, Qt::SolidLine, Qt::FlatCap));
    peintre.setBrush(Qt::NoBrush);
    peintre.drawEllipse(QPointF(), jante, jante);
    for (int branche = 0; branche < 7; ++branche) {
        const qreal a = qDegreesToRadians(branche * 360.0 / 7);
        const QPointF direction(qSin(a), -qCos(a));
        peintre.drawLine(direction * 0.2 * rayon, direction * jante);
    }
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(Qt::white);
    peintre.drawEllipse(QPointF(), 0.16 * rayon, 0.16 * rayon);
    peintre.restore();
}
