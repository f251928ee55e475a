#include "cellule.h"
#include "geometrieroue.h"
#include "peintres.h"
#include "polices.h"
#include "texteenarc.h"

#include <QPainter>

using namespace GeometrieRoue;

namespace {

// As heavy as the wheel's circles, which the arcs continue.
constexpr qreal epaisseurArc = 6;
// The wedge's straight edges carry no line: its own black is margin enough.
constexpr TexteEnArc::Marges marges = {10, epaisseurArc / 2 + 8};
// About the size of the names on the wheel: a key should not outshout it.
constexpr qreal tailleMax = 30;

const QStringList noms[bandes] = {
    {QStringLiteral("Famille")},
    {QStringLiteral("Nom")},
    {QStringLiteral("Arômes")},
    {QStringLiteral("Origine")},
    {QStringLiteral("Force"), QStringLiteral("et corps")},
    {QStringLiteral("Acidité")},
    {QStringLiteral("Amertume")},
    {QStringLiteral("Caféine"), QStringLiteral("café vert")},
};

} // namespace

QImage dessinerLegende(const Polices &polices)
{
    QImage image(largeurLegende, rayonLegende, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.translate(largeurLegende, rayonLegende);
    const Cellule coin(0, rayonLegende, bordDroitLegende, bordGaucheLegende - bordDroitLegende);
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(Qt::black);
    peintre.drawPath(coin.chemin());

    // Arcs are clipped to the wedge so that their ends stay square with its edges.
    peintre.setClipPath(coin.chemin());
    peintre.setPen(QPen(Qt::white, epaisseurArc));
    peintre.setBrush(Qt::NoBrush);
    for (int k = unitesDisque; k < unites; ++k) {
        const qreal r = rayonLegende * k / qreal(unites);
        peintre.drawEllipse(QPointF(), r, r);
    }
    peintre.setClipping(false);

    // Each name as large as its band allows, up to a common size: the key is
    // read at a third of its size, and a single size would be set by the
    // narrowest band near the centre.
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(Qt::white);
    for (int bande = 0; bande < bandes; ++bande) {
        // The caffeine's second line says what the figure measures, in lighter type.
        const TexteEnArc texte(polices.sans(true), noms[bande], polices.sans(bande != Cafeine));
        const Cellule cellule(rayonInterieur(rayonLegende, bande), rayonExterieur(rayonLegende, bande),
                              bordDroitLegende, bordGaucheLegende - bordDroitLegende);
        const qreal taille = TexteEnArc::taillePour({texte}, {cellule}, tailleMax, marges);
        peintre.drawPath(texte.trace(cellule, taille));
    }
    return image;
}
