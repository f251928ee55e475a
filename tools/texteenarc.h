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
    TexteEnArc();
    TexteEnArc(const QFont &police, const QStringList &textes, qreal condensation = 1.0);

    // The lines as written in the table, for messages.
    QString texte() const { return source.join(QStringLiteral(" | ")); }

    bool tientDans(const Cellule &cellule, qreal taille, qreal marge) const;
    QPainterPath trace(const Cellule &cellule, qreal taille) const;

    // Largest size, below tailleMax, at which every text fits its own cell:
    // one size per band reads as a printed chart rather than a ransom note.
    // Returns 0 when the texts would have to shrink too far.
    static qreal taillePour(const QVector<TexteEnArc> &textes, const QVector<Cellule> &cellules,
                            qreal tailleMax, qreal marge);

private:
    qreal ligneDeBase(const Cellule &cellule, qreal taille, int ligne) const;
    static QPainterPath courber(const QPainterPath &plat, qreal rayonBase, qreal angleCentre);

    QStringList source;
    QVector<QPainterPath> lignes;
    qreal hauteurCapitales;
    qreal interligne;
};

#endif
