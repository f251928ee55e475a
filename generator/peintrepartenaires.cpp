#include "cellule.h"
#include "geometrieroue.h"
#include "peintres.h"
#include "polices.h"
#include "texteenarc.h"

#include <QPainter>
#include <QtMath>

namespace {

const QColor rose(GeometrieRoue::rosePartenaires);
const QColor prune(0x7A, 0x2E, 0x4F);
const QColor brun(0x4A, 0x32, 0x1E);
const QColor vert(0x2F, 0x5A, 0x3A);

Cellule tranche(const Cellule &coin, qreal interieur, qreal exterieur, qreal retrait)
{
    // Marks keep the same distance, in pixels, from both edges of the wedge.
    const qreal angle = qRadiansToDegrees(retrait / interieur);
    return Cellule(interieur, exterieur, coin.angleDebut() + angle, coin.ouverture() - 2 * angle);
}

void marque(QPainter &peintre, const TexteEnArc &texte, const Cellule &place, qreal tailleMax,
            const QColor &couleur)
{
    const qreal taille = TexteEnArc::taillePour({texte}, {place}, tailleMax, {6, 3.6});
    peintre.setBrush(couleur);
    peintre.drawPath(texte.trace(place, taille));
}

} // namespace

void peindrePartenaires(QPainter &peintre, const Cellule &coin, const Polices &polices)
{
    peintre.save();
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(rose);
    peintre.drawPath(coin.chemin());

    // Marks are stacked from the rim inwards; radii are in pixels of the wheel.
    QFont capitales = polices.sans(true);
    capitales.setLetterSpacing(QFont::PercentageSpacing, 125);
    marque(peintre, TexteEnArc(capitales, {QStringLiteral("PARTENAIRES")}), tranche(coin, 872, 935, 14), 30,
           prune);

    const Cellule plaque = tranche(coin, 755, 850, 16);
    peintre.setBrush(QColor(rougeMarques));
    peintre.drawPath(plaque.chemin());
    QFont titre = polices.serif(true);
    titre.setLetterSpacing(QFont::PercentageSpacing, 112);
    marque(peintre, TexteEnArc(titre, {QStringLiteral("VARNOZE")}), plaque, 48, Qt::white);

    marque(peintre, TexteEnArc(polices.serif(true), {QStringLiteral("Brûlerie"), QStringLiteral("Orbelle")}),
           tranche(coin, 640, 740, 10), 40, brun);
    marque(peintre, TexteEnArc(capitales, {QStringLiteral("MOULINS"), QStringLiteral("FERRANDEL")}),
           tranche(coin, 530, 625, 10), 27, vert);
    marque(peintre, TexteEnArc(polices.serif(false), {QStringLiteral("Tasses"), QStringLiteral("Vérignac")}),
           tranche(coin, 425, 515, 10), 36, prune);

    const qreal rayon = coin.rayonInterieur() + 80;
    peindreEmbleme(peintre, Cellule::point(rayon, coin.angleCentre()), 42);
    peintre.restore();
}
