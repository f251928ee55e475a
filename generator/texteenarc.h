#ifndef TEXTEENARC_H
#define TEXTEENARC_H

#include "cellule.h"

#include <QFont>
#include <QPainterPath>
#include <QStringList>
#include <QVector>

// One or more lines of text bent along the arcs of a cell, the tops of the
// letters turned away from the centre and the lines read clockwise.
class TexteEnArc
{
public:
    // Clearance from the ink to the cell's radial edges and to its arcs.
    struct Marges
    {
        qreal laterale;
        qreal radiale;
    };

    TexteEnArc();
    TexteEnArc(const QFont &police, const QStringList &textes);
    // The lines after the first in another face: a qualifier under a label.
    TexteEnArc(const QFont &police, const QStringList &textes, const QFont &policeSuite);

    // The lines as written in the table, for messages.
    QString texte() const { return source.join(QStringLiteral(" | ")); }

    bool tientDans(const Cellule &cellule, qreal taille, const Marges &marges) const;
    QPainterPath trace(const Cellule &cellule, qreal taille) const;

    // Largest size, below tailleMax, at which every text fits its own cell:
    // one size per band reads as a printed chart rather than a ransom note.
    // Returns 0 when the texts would have to shrink too far.
    static qreal taillePour(const QVector<TexteEnArc> &textes, const QVector<Cellule> &cellules,
                            qreal tailleMax, const Marges &marges);

private:
    qreal ligneDeBase(const Cellule &cellule, qreal taille, int ligne) const;
    static QPainterPath courber(const QPainterPath &plat, qreal rayonBase, qreal angleCentre);

    QStringList source;
    QVector<QPainterPath> lignes;
    qreal hauteurCapitales;
    qreal interligne;
};

#endif
