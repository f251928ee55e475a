#ifndef PEINTREPARTENAIRES_H
#define PEINTREPARTENAIRES_H

#include "cellule.h"

#include <QColor>

class Polices;
class QPainter;
class TexteEnArc;

// The pale pink wedge that carries the partners' marks instead of a coffee.
class PeintrePartenaires
{
public:
    explicit PeintrePartenaires(const Polices &polices);

    void peindre(QPainter &peintre, const Cellule &coin) const;

private:
    Cellule tranche(const Cellule &coin, qreal interieur, qreal exterieur, qreal retrait) const;
    void marque(QPainter &peintre, const TexteEnArc &texte, const Cellule &place, qreal tailleMax,
                const QColor &couleur) const;

    const Polices &polices;
};

#endif
