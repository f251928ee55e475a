#ifndef PEINTREMARQUES_H
#define PEINTREMARQUES_H

#include <QImage>
#include <QPainterPath>

class Polices;
class QPainter;

// The publisher's logo and the roaster's brand plate, both invented.
class PeintreMarques
{
public:
    explicit PeintreMarques(const Polices &polices);

    QImage logoEditeur() const;
    QImage logoVarnoze() const;

    // The publisher's red roundel: a little wheel, so that the mark can
    // also sign the chart itself.
    static void peindreEmbleme(QPainter &peintre, const QPointF &centre, qreal rayon);
    static QColor rouge();

private:
    static QPainterPath ligne(const QFont &police, int taille, const QString &texte,
                              const QPointF &milieuBase);

    const Polices &polices;
};

#endif
