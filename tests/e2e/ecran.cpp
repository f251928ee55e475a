#include "ecran.h"

#include "geometrieroue.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

// The wheel is read along circles in its bands, clear of the hub, the logo
// and the button at the smallest window, as shares of its radius.
constexpr double pasAngle = 0.25;
constexpr int nAngles = int(360 / pasAngle);
constexpr double rayons[] = {0.28, 0.36, 0.44, 0.52, 0.6, 0.68, 0.76, 0.84, 0.92};
// Degrees kept clear on either side of the legend wedge.
constexpr double margeLegende = 3.0;
constexpr QRgb fond = qRgb(0xf0, 0xf0, 0xf0);

int difference(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

QRectF aEchelle(const QRectF &r, qreal echelle)
{
    return QRectF(r.topLeft() * echelle, r.size() * echelle);
}

} // namespace

Ecran::Ecran(const QImage &fenetre, qreal echelle)
    : image(fenetre.convertToFormat(QImage::Format_RGB32)),
      echelle(echelle),
      d(disposer((QSizeF(fenetre.size()) / echelle).toSize(), GeometrieRoue::tailleGrain,
                 QSize(GeometrieRoue::largeurLegende, GeometrieRoue::rayonLegende), GeometrieRoue::tailleLogo))
{
}

bool Ecran::isNull() const
{
    return image.isNull();
}

QSize Ecran::taille() const
{
    return image.size();
}

bool Ecran::operator==(const Ecran &autre) const
{
    return image == autre.image;
}

double Ecran::tourDepuis(const Ecran &avant) const
{
    const QVector<QRgb> a = avant.anneaux();
    const QVector<QRgb> b = anneaux();
    // The legend's sector shows the same on both pictures: leave it out.
    const double bordLegende = qRadiansToDegrees(std::atan2(d.legende.width(), d.legende.height()));
    const auto libre = [&](int i) {
        return i * pasAngle < 90 - margeLegende || i * pasAngle > 90 + bordLegende + margeLegende;
    };
    QVector<double> cout(nAngles);
    for (int decalage = 0; decalage < nAngles; ++decalage) {
        qint64 somme = 0;
        int n = 0;
        for (int i = 0; i < nAngles; ++i) {
            const int j = (i + decalage) % nAngles;
            if (!libre(i) || !libre(j))
                continue;
            for (int k = i, l = j; k < a.size(); k += nAngles, l += nAngles)
                somme += difference(a[k], b[l]);
            ++n;
        }
        cout[decalage] = double(somme) / n;
    }
    const int m = int(std::min_element(cout.begin(), cout.end()) - cout.begin());
    // A parabola through the best shift and its neighbours places the minimum.
    const double g = cout[(m + nAngles - 1) % nAngles], dr = cout[(m + 1) % nAngles];
    const double courbure = g + dr - 2 * cout[m];
    const double angle = (m + (courbure > 0 ? 0.5 * (g - dr) / courbure : 0.0)) * pasAngle;
    return angle > 180 ? angle - 360 : angle;
}

double Ecran::partFond() const
{
    const QVector<QRgb> a = anneaux();
    return double(std::count_if(a.begin(), a.end(), [](QRgb c) { return difference(c, fond) <= 6; })) / a.size();
}

bool Ecran::fixesEnPlace() const
{
    return montre(QStringLiteral("legende_roue.png"), d.legende)
        && montre(QStringLiteral("grain.png"), d.grain.translated(d.centre))
        && montre(QStringLiteral("logo_tesk.png"), QRectF(d.origineLogo, QSizeF(d.logo)));
}

bool Ecran::montreIcone(const QString &nom) const
{
    return montre(nom, iconeSon(), 8);
}

QRect Ecran::iconeSon() const
{
    // The button sits at (20, 20); its frame adds a few pixels around the
    // 80 x 80 icon.
    return QRect(24, 24, 80, 80);
}

bool Ecran::montre(const QString &nom, const QRectF &place, int marge) const
{
    const QRect cible = aEchelle(place, echelle).toRect();
    const QImage source = QImage(QStringLiteral(DRAVOUNE_ASSETS "/") + nom).convertToFormat(QImage::Format_ARGB32)
        .scaled(cible.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double meilleur = 3 * 255;
    for (int dy = -marge; dy <= marge; ++dy)
        for (int dx = -marge; dx <= marge; ++dx) {
            qint64 somme = 0, n = 0;
            // Opaque pixels away from the edges, where the screen shows the picture alone.
            for (int y = 1; y + 1 < source.height(); ++y)
                for (int x = 1; x + 1 < source.width(); ++x) {
                    const QPoint q = cible.topLeft() + QPoint(x + dx, y + dy);
                    if (qAlpha(source.pixel(x, y)) < 255 || qAlpha(source.pixel(x - 1, y - 1)) < 255
                        || qAlpha(source.pixel(x + 1, y + 1)) < 255 || !image.valid(q))
                        continue;
                    somme += difference(image.pixel(q), source.pixel(x, y));
                    ++n;
                }
            if (n > 0)
                meilleur = std::min(meilleur, double(somme) / (3 * n));
        }
    // The screen's scaling differs from ours by a few levels at most, while
    // anything else drawn there differs by tens.
    return meilleur < 12;
}

QVector<QRgb> Ecran::anneaux() const
{
    QVector<QRgb> a;
    a.reserve(int(std::size(rayons)) * nAngles);
    // The wheel turns about the pixel corner at the halved size.
    const QPointF centre = QPointF(d.centre) * echelle;
    for (double r : rayons)
        for (int i = 0; i < nAngles; ++i) {
            const double t = qDegreesToRadians(i * pasAngle);
            const QPointF p = centre + r * echelle * d.roue.height() / 2 * QPointF(std::cos(t), -std::sin(t));
            a << image.pixel(qFloor(p.x()), qFloor(p.y()));
        }
    return a;
}
