#ifndef PEINTREROUE_H
#define PEINTREROUE_H

#include "cellule.h"
#include "texteenarc.h"

#include <QColor>
#include <QImage>
#include <QVector>

class Polices;
class TableCafes;

// Draws the wheel: thirteen coffee sectors and the partners' wedge, cut
// into eight bands around a black disc, on a transparent square canvas.
class PeintreRoue
{
public:
    PeintreRoue(const TableCafes &cafes, const Polices &policesChargees);

    // Returns a null image and says which band overflowed when a text
    // cannot be set at a legible size.
    QImage dessiner(QString *erreur) const;

private:
    // A run of neighbouring sectors that share a family.
    struct ArcFamille
    {
        QString famille;
        int premier;
        int nombre;
    };

    static int cafeDuSecteur(int secteur);
    QString familleDuSecteur(int secteur) const;
    QVector<ArcFamille> arcsFamilles() const;
    QColor couleurFamille(const QString &famille) const;
    QColor couleurNom(int cafe) const;
    static Cellule cellule(int premierSecteur, qreal nombre, int bande);

    void peindreCellules(QPainter &peintre) const;
    void peindreNotes(QPainter &peintre) const;
    bool peindreFamilles(QPainter &peintre, QString *erreur) const;
    bool peindreFiches(QPainter &peintre, QString *erreur) const;
    bool peindreBande(QPainter &peintre, const QString &bande, const QVector<TexteEnArc> &textes,
                      const QVector<Cellule> &cellules, qreal tailleMax, const QColor &couleur,
                      QString *erreur) const;
    void peindreTraits(QPainter &peintre) const;

    const TableCafes &table;
    const Polices &polices;
};

#endif
