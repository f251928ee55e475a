#ifndef PEINTRES_H
#define PEINTRES_H

#include <QImage>

class Cellule;
class Polices;
class QPainter;

// The key laid over the wheel just left of noon: one black sector whose apex
// is the picture's bottom-right corner, with the band names.
QImage dessinerLegende(const Polices &polices);

// The sound button's two pictures: a pair of beamed eighth notes, and the
// same notes struck through for silence.
QImage dessinerSon(bool barre);

// The publisher's logo and the roaster's brand plate, both invented.
QImage logoEditeur(const Polices &polices);
QImage logoVarnoze(const Polices &polices);
constexpr QRgb rougeMarques = 0xFFC0262D;
// The publisher's red roundel: a little wheel, so that the mark can also
// sign the chart itself.
void peindreEmbleme(QPainter &peintre, const QPointF &centre, qreal rayon);

// The pale pink wedge that carries the partners' marks instead of a coffee.
void peindrePartenaires(QPainter &peintre, const Cellule &coin, const Polices &polices);

#endif
