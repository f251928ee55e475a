#include "peintreroue.h"

#include "cellule.h"
#include "geometrieroue.h"
#include "grain.h"
#include "peintres.h"
#include "polices.h"
#include "tablecafes.h"

#include <QPainter>
#include <QtMath>

using namespace GeometrieRoue;

namespace {

// 2.5 px in an 800-px-high window: thinner rules break up as the wheel turns.
constexpr qreal epaisseurTrait = 6;
// Clearance kept between a text and the edge of the lines around its cell,
// wider where a line of text runs into a rule than along the circles.
constexpr TexteEnArc::Marges marges = {epaisseurTrait / 2 + 16, epaisseurTrait / 2 + 9};
// Families beyond these colours reuse them in turn.
const QColor couleursFamilles[] = {QColor(0x35, 0x55, 0x7A), QColor(0x4A, 0x71, 0x33),
                                   QColor(0xA8, 0x62, 0x1E)};
const QColor encre(0x2B, 0x1E, 0x14);

QColor melange(const QColor &a, const QColor &b, qreal part)
{
    return QColor::fromRgbF(float(a.redF() * part + b.redF() * (1 - part)),
                            float(a.greenF() * part + b.greenF() * (1 - part)),
                            float(a.blueF() * part + b.blueF() * (1 - part)));
}

} // namespace

PeintreRoue::PeintreRoue(const TableCafes &cafes, const Polices &policesChargees)
    : table(cafes),
      polices(policesChargees)
{}

QImage PeintreRoue::dessiner(QString *erreur) const
{
    QImage image(largeurRoue, hauteurRoue, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.translate(largeurRoue / 2.0, hauteurRoue / 2.0);
    // The whole disc starts in the line colour, so that the hairline seams
    // left by antialiasing between cells read as part of the lines.
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(encre);
    peintre.drawEllipse(Cellule::cercle(rayonRoue));
    peindreCellules(peintre);
    peindreNotes(peintre);
    peindrePartenaires(peintre, cellule(secteurPartenaires, 1, -1), polices);
    if (!peindreFamilles(peintre, erreur) || !peindreFiches(peintre, erreur))
        return QImage();
    peindreTraits(peintre);
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(Qt::black);
    peintre.drawEllipse(Cellule::cercle(unitesDisque * unite));
    return image;
}

int PeintreRoue::cafeDuSecteur(int secteur)
{
    if (secteur == secteurPartenaires)
        return -1;
    return secteur < secteurPartenaires ? secteur : secteur - 1;
}

QString PeintreRoue::familleDuSecteur(int secteur) const
{
    const int cafe = cafeDuSecteur(secteur);
    return cafe < 0 ? QString() : table.cafes().at(cafe).famille;
}

QVector<PeintreRoue::ArcFamille> PeintreRoue::arcsFamilles() const
{
    QVector<ArcFamille> arcs;
    for (int secteur = 0; secteur < secteurs; ++secteur) {
        const QString famille = familleDuSecteur(secteur);
        if (famille.isEmpty())
            continue;
        if (!arcs.isEmpty() && arcs.last().famille == famille
            && arcs.last().premier + arcs.last().nombre == secteur) {
            ++arcs.last().nombre;
        } else {
            arcs.append({famille, secteur, 1});
        }
    }
    return arcs;
}

QColor PeintreRoue::couleurFamille(const QString &famille) const
{
    const int rang = int(table.familles().indexOf(famille));
    return couleursFamilles[rang % int(std::size(couleursFamilles))];
}

QColor PeintreRoue::couleurNom(int cafe) const
{
    // Each coffee gets its own tint, fanned out around its family's hue so
    // that the name ring still shows the families at a glance; lightness
    // alternates so that neighbours never look alike.
    const QString famille = table.cafes().at(cafe).famille;
    int rang = 0;
    int effectif = 0;
    for (int i = 0; i < table.cafes().size(); ++i) {
        if (table.cafes().at(i).famille != famille)
            continue;
        if (i < cafe)
            ++rang;
        ++effectif;
    }
    const QColor base = couleurFamille(famille).toHsl();
    const qreal teinte = base.hslHueF() * 360 + (rang - (effectif - 1) / 2.0) * 8;
    return QColor::fromHslF(float(std::fmod(teinte + 360, 360) / 360), 0.45F, rang % 2 ? 0.7F : 0.78F);
}

Cellule PeintreRoue::cellule(int premierSecteur, qreal nombre, int bande)
{
    // A band of -1 stands for the whole depth from the disc to the rim.
    const qreal interieur = bande < 0 ? unitesDisque * unite : rayonInterieur(rayonRoue, bande);
    const qreal exterieur = bande < 0 ? rayonRoue : rayonExterieur(rayonRoue, bande);
    return Cellule(interieur, exterieur, premierSecteur * angleSecteur, nombre * angleSecteur);
}

void PeintreRoue::peindreCellules(QPainter &peintre) const
{
    for (const ArcFamille &arc : arcsFamilles()) {
        peintre.setBrush(couleurFamille(arc.famille));
        peintre.drawPath(cellule(arc.premier, arc.nombre, Famille).chemin());
    }
    for (int secteur = 0; secteur < secteurs; ++secteur) {
        const int cafe = cafeDuSecteur(secteur);
        if (cafe < 0)
            continue;
        const QColor famille = couleurFamille(table.cafes().at(cafe).famille);
        const QColor fonds[] = {couleurNom(cafe), Qt::white, melange(famille, Qt::white, 0.22)};
        for (int bande = Nom; bande <= Origine; ++bande) {
            peintre.setBrush(fonds[bande - Nom]);
            peintre.drawPath(cellule(secteur, 1, bande).chemin());
        }
        peintre.setBrush(Qt::white);
        peintre.drawPath(cellule(secteur, 1, Cafeine).chemin());
    }
}

void PeintreRoue::peindreNotes(QPainter &peintre) const
{
    // One bean size for every rating cell, set by four beans in a row across
    // the narrowest band, a quarter of a bean apart and from the lines.
    const Cellule etroite = cellule(0, 1, Amertume);
    const qreal place = qDegreesToRadians(etroite.ouverture()) * etroite.rayonMilieu();
    const qreal largeur = (place - epaisseurTrait) / (4 + 5 * 0.25);
    const qreal hauteur = largeur * tailleGrain.height() / tailleGrain.width();
    const qreal ecart = largeur * 0.25;
    // Wide enough to stay open when the wheel is shown at 0.42.
    const qreal sillon = 0.26;
    for (int secteur = 0; secteur < secteurs; ++secteur) {
        const int cafe = cafeDuSecteur(secteur);
        if (cafe < 0)
            continue;
        const Cafe &c = table.cafes().at(cafe);
        const int notes[] = {c.force, c.acidite, c.amertume};
        for (int i = 0; i < 3; ++i) {
            const Cellule case_ = cellule(secteur, 1, Force + i);
            peintre.setBrush(QColor(couleursNotes[notes[i] - 1]));
            peintre.drawPath(case_.chemin());
            const qreal pas = qRadiansToDegrees((largeur + ecart) / case_.rayonMilieu());
            peintre.setBrush(QColor(brunGrain));
            for (int n = 0; n < notes[i]; ++n) {
                const qreal angle = case_.angleCentre() + ((notes[i] - 1) / 2.0 - n) * pas;
                peintre.save();
                peintre.translate(Cellule::point(case_.rayonMilieu(), angle));
                peintre.rotate(-angle);
                const Grain grain(QRectF(-largeur / 2, -hauteur / 2, largeur, hauteur));
                peintre.drawPath(grain.chemin(sillon));
                peintre.restore();
            }
        }
    }
}

bool PeintreRoue::peindreFamilles(QPainter &peintre, QString *erreur) const
{
    QFont capitales = polices.sans(true);
    capitales.setLetterSpacing(QFont::PercentageSpacing, 112);
    QVector<TexteEnArc> textes;
    QVector<Cellule> cellules;
    for (const ArcFamille &arc : arcsFamilles()) {
        // Every name shows at least twice, since the legend hides a sector
        // wherever the wheel stops; long arcs repeat it every three sectors.
        const int reprises = qMin(arc.nombre, qMax(2, (arc.nombre + 2) / 3));
        const qreal part = qreal(arc.nombre) / reprises;
        for (int r = 0; r < reprises; ++r) {
            textes.append(TexteEnArc(capitales, {arc.famille.toUpper()}));
            cellules.append(Cellule(rayonInterieur(rayonRoue, Famille), rayonRoue,
                                    (arc.premier + r * part) * angleSecteur, part * angleSecteur));
        }
    }
    return peindreBande(peintre, QStringLiteral("family"), textes, cellules, 46, Qt::white, erreur);
}

bool PeintreRoue::peindreFiches(QPainter &peintre, QString *erreur) const
{
    QVector<TexteEnArc> noms, caracteres, origines, cafeines;
    QVector<Cellule> casesNoms, casesCaracteres, casesOrigines, casesCafeines;
    for (int secteur = 0; secteur < secteurs; ++secteur) {
        const int cafe = cafeDuSecteur(secteur);
        if (cafe < 0)
            continue;
        const Cafe &c = table.cafes().at(cafe);
        noms.append(TexteEnArc(polices.sans(true), c.nom));
        casesNoms.append(cellule(secteur, 1, Nom));
        caracteres.append(TexteEnArc(polices.sans(false), c.caracteristiques));
        casesCaracteres.append(cellule(secteur, 1, Caracteristiques));
        origines.append(TexteEnArc(polices.serif(true), c.origine));
        casesOrigines.append(cellule(secteur, 1, Origine));
        if (!c.cafeine.isEmpty()) {
            cafeines.append(TexteEnArc(polices.sans(true), {c.cafeine}));
            casesCafeines.append(cellule(secteur, 1, Cafeine));
        }
    }
    return peindreBande(peintre, QStringLiteral("name"), noms, casesNoms, 40, encre, erreur)
           && peindreBande(peintre, QStringLiteral("characteristics"), caracteres, casesCaracteres, 32, encre,
                           erreur)
           && peindreBande(peintre, QStringLiteral("origin"), origines, casesOrigines, 32, encre, erreur)
           && peindreBande(peintre, QStringLiteral("caffeine"), cafeines, casesCafeines, 36, encre, erreur);
}

bool PeintreRoue::peindreBande(QPainter &peintre, const QString &bande, const QVector<TexteEnArc> &textes,
                               const QVector<Cellule> &cellules, qreal tailleMax, const QColor &couleur,
                               QString *erreur) const
{
    const qreal taille = TexteEnArc::taillePour(textes, cellules, tailleMax, marges);
    if (taille <= 0) {
        int i = 0;
        while (TexteEnArc::taillePour({textes[i]}, {cellules[i]}, tailleMax, marges) > 0)
            ++i;
        *erreur = QStringLiteral("%1 band: \"%2\" does not fit its cell; shorten it or split it with |")
                      .arg(bande, textes[i].texte());
        return false;
    }
    peintre.setBrush(couleur);
    for (int i = 0; i < textes.size(); ++i)
        peintre.drawPath(textes[i].trace(cellules[i], taille));
    return true;
}

void PeintreRoue::peindreTraits(QPainter &peintre) const
{
    // Flat caps: a square cap would poke out of the rim.
    peintre.setPen(QPen(encre, epaisseurTrait, Qt::SolidLine, Qt::FlatCap));
    peintre.setBrush(Qt::NoBrush);
    // Band circles stop at the partners' wedge, which is one plain piece.
    const qreal debut = 90 + (secteurPartenaires + 1) * angleSecteur;
    for (int k = unitesDisque + 1; k < unites; ++k) {
        QPainterPath arc;
        arc.arcMoveTo(Cellule::cercle(k * unite), debut);
        arc.arcTo(Cellule::cercle(k * unite), debut, 360 - angleSecteur);
        peintre.drawPath(arc);
    }
    for (int limite = 0; limite < secteurs; ++limite) {
        const qreal angle = limite * angleSecteur;
        const bool entreFamilles =
            familleDuSecteur((limite + secteurs - 1) % secteurs) != familleDuSecteur(limite);
        const qreal exterieur = entreFamilles ? rayonRoue : (unites - 1) * unite;
        peintre.drawLine(Cellule::point(unitesDisque * unite, angle), Cellule::point(exterieur, angle));
    }
    peintre.setPen(QPen(encre, 2 * epaisseurTrait));
    peintre.drawEllipse(Cellule::cercle(rayonRoue - epaisseurTrait));
}
