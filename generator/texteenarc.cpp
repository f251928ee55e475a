#include "texteenarc.h"

#include <QFontMetricsF>
#include <QTransform>
#include <QtMath>

namespace {

// Glyphs are drawn once at this pixel size and scaled: QFont only takes
// whole pixel sizes, and scaled outlines keep the spacing exact.
constexpr qreal tailleReference = 100;
// A band shrinks at most this far below its design size: further, one long
// text would make the whole band illegible at the size the wheel is shown.
constexpr qreal reductionMaximale = 0.7;
constexpr qreal pasTaille = 0.5;
// Straight outline segments are cut this short before bending, so that
// long strokes follow the circle instead of cutting across it.
constexpr qreal segmentMaximal = 4;
// Line pitch as a fraction of the size: tight, since cells are shallow.
constexpr qreal interligneRelatif = 1.06;

} // namespace

TexteEnArc::TexteEnArc()
    : source(),
      lignes(),
      hauteurCapitales(0),
      interligne(0)
{}

TexteEnArc::TexteEnArc(const QFont &police, const QStringList &textes)
    : TexteEnArc(police, textes, police)
{}

TexteEnArc::TexteEnArc(const QFont &police, const QStringList &textes, const QFont &policeSuite)
    : source(textes),
      lignes(),
      hauteurCapitales(0),
      interligne(interligneRelatif)
{
    QFont reference(police);
    reference.setPixelSize(int(tailleReference));
    const QFontMetricsF mesures(reference);
    hauteurCapitales = mesures.capHeight() / tailleReference;
    for (const QString &mot : textes) {
        QPainterPath ligne;
        ligne.addText(0, 0, reference, mot);
        const QRectF encre = ligne.boundingRect();
        QTransform centrage;
        centrage.scale(1 / tailleReference, 1 / tailleReference);
        centrage.translate(-encre.center().x(), 0);
        lignes.append(centrage.map(ligne));
        reference = policeSuite;
        reference.setPixelSize(int(tailleReference));
    }
}

qreal TexteEnArc::ligneDeBase(const Cellule &cellule, qreal taille, int ligne) const
{
    // The block is centred on its cap height: accents and descenders may
    // overhang, the way a typesetter centres a caption.
    const qreal bloc = qreal(lignes.size() - 1) * interligne + hauteurCapitales;
    return cellule.rayonMilieu() + taille * (bloc / 2 - hauteurCapitales - ligne * interligne);
}

bool TexteEnArc::tientDans(const Cellule &cellule, qreal taille, const Marges &marges) const
{
    const qreal demiOuverture =
        qDegreesToRadians(cellule.ouverture() / 2) - marges.laterale / cellule.rayonInterieur();
    for (int i = 0; i < lignes.size(); ++i) {
        const QRectF encre = QTransform::fromScale(taille, taille).mapRect(lignes[i].boundingRect());
        const qreal base = ligneDeBase(cellule, taille, i);
        const qreal demiLargeur = qMax(-encre.left(), encre.right());
        if (demiLargeur / base > demiOuverture)
            return false;
        if (base - encre.top() > cellule.rayonExterieur() - marges.radiale)
            return false;
        if (base - encre.bottom() < cellule.rayonInterieur() + marges.radiale)
            return false;
    }
    return true;
}

QPainterPath TexteEnArc::trace(const Cellule &cellule, qreal taille) const
{
    QPainterPath resultat;
    for (int i = 0; i < lignes.size(); ++i) {
        const QPainterPath plat = QTransform::fromScale(taille, taille).map(lignes[i]);
        resultat.addPath(courber(plat, ligneDeBase(cellule, taille, i), cellule.angleCentre()));
    }
    return resultat;
}

qreal TexteEnArc::taillePour(const QVector<TexteEnArc> &textes, const QVector<Cellule> &cellules,
                             qreal tailleMax, const Marges &marges)
{
    for (qreal taille = tailleMax; taille >= tailleMax * reductionMaximale; taille -= pasTaille) {
        bool tous = true;
        for (int i = 0; i < textes.size() && tous; ++i)
            tous = textes[i].tientDans(cellules[i], taille, marges);
        if (tous)
            return taille;
    }
    return 0;
}

QPainterPath TexteEnArc::courber(const QPainterPath &plat, qreal rayonBase, qreal angleCentre)
{
    // Baseline distance becomes angle, height above the baseline becomes
    // radius: the letters fan out slightly, as on a printed wheel.
    const auto projeter = [rayonBase, angleCentre](const QPointF &p) {
        return Cellule::point(rayonBase - p.y(), angleCentre - qRadiansToDegrees(p.x() / rayonBase));
    };
    QPainterPath resultat;
    resultat.setFillRule(plat.fillRule());
    QPointF courant;
    for (int i = 0; i < plat.elementCount(); ++i) {
        const QPainterPath::Element e = plat.elementAt(i);
        QPointF fin(e.x, e.y);
        if (e.isMoveTo()) {
            resultat.moveTo(projeter(fin));
        } else if (e.isLineTo()) {
            const int morceaux = qMax(1, qCeil(QLineF(courant, fin).length() / segmentMaximal));
            for (int k = 1; k <= morceaux; ++k)
                resultat.lineTo(projeter(courant + (fin - courant) * k / morceaux));
        } else {
            // A curve element is followed by its second control point and its end.
            const QPointF c1 = fin;
            const QPointF c2(plat.elementAt(i + 1).x, plat.elementAt(i + 1).y);
            fin = QPointF(plat.elementAt(i + 2).x, plat.elementAt(i + 2).y);
            resultat.cubicTo(projeter(c1), projeter(c2), projeter(fin));
            i += 2;
        }
        courant = fin;
    }
    return resultat;
}
