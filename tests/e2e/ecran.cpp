#include "ecran.h"

#include <QImageReader>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The wheel is read along circles in its bands, clear of the hub, the logo
// and the button at the smallest window.
constexpr double pasAngle = 0.25;
constexpr int nAngles = int(360 / pasAngle);
constexpr int rayonMin = 110;
constexpr int rayonMax = 380;
constexpr int pasRayon = 30;
// Degrees kept clear on either side of the legend wedge.
constexpr double margeLegende = 3.0;
constexpr QRgb fond = qRgb(0xf0, 0xf0, 0xf0);
// Largest mean difference per channel for a picture shown as itself: the
// screen's scaling differs from ours by a few levels at most, while
// anything else drawn there differs by tens.
constexpr double ressemblance = 12;

QString chemin(const QString &image)
{
    return QStringLiteral(DRAVOUNE_ASSETS "/") + image;
}

QSize tailleImage(const QString &image)
{
    return QImageReader(chemin(image)).size();
}

int difference(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

} // namespace

Ecran::Ecran(const QImage &fenetre)
    : image(fenetre.convertToFormat(QImage::Format_RGB32))
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

bool Ecran::operator!=(const Ecran &autre) const
{
    return !(*this == autre);
}

double Ecran::tourDepuis(const Ecran &avant) const
{
    const QVector<QRgb> a = avant.anneaux();
    const QVector<QRgb> b = anneaux();
    // The legend's sector shows the same on both pictures: leave it out.
    const double bordLegende = qRadiansToDegrees(std::atan2(legende().width(), image.height() / 2));
    QVector<bool> libre(nAngles);
    for (int i = 0; i < nAngles; ++i) {
        const double angle = i * pasAngle;
        libre[i] = angle < 90 - margeLegende || angle > 90 + bordLegende + margeLegende;
    }

    QVector<double> cout(nAngles);
    for (int decalage = 0; decalage < nAngles; ++decalage) {
        qint64 somme = 0;
        int n = 0;
        for (int i = 0; i < nAngles; ++i) {
            const int j = (i + decalage) % nAngles;
            if (!libre[i] || !libre[j])
                continue;
            for (int k = i, l = j; k < a.size(); k += nAngles, l += nAngles)
                somme += difference(a[k], b[l]);
            ++n;
        }
        cout[decalage] = double(somme) / n;
    }

    const int m = int(std::min_element(cout.begin(), cout.end()) - cout.begin());
    // A parabola through the best shift and its neighbours places the minimum.
    const double g = cout[(m + nAngles - 1) % nAngles];
    const double d = cout[(m + 1) % nAngles];
    const double courbure = g + d - 2 * cout[m];
    const double affine = courbure > 0 ? 0.5 * (g - d) / courbure : 0.0;
    const double angle = (m + affine) * pasAngle;
    return angle > 180 ? angle - 360 : angle;
}

double Ecran::partFond() const
{
    const QVector<QRgb> a = anneaux();
    const auto n = std::count_if(a.begin(), a.end(), [](QRgb c) { return difference(c, fond) <= 6; });
    return double(n) / a.size();
}

bool Ecran::montre(const QString &nom, const QRect &place, int marge) const
{
    return ecart(nom, place, marge) < ressemblance;
}

bool Ecran::fixesEnPlace() const
{
    return montre(QStringLiteral("legende_roue.png"), legende())
        && montre(QStringLiteral("grain.png"), grain())
        && montre(QStringLiteral("logo_tesk.png"), logo());
}

bool Ecran::montreIcone(const QString &nom) const
{
    return montre(nom, iconeSon(), 8);
}

double Ecran::ecart(const QString &nom, const QRect &place, int marge) const
{
    const QImage source = QImage(chemin(nom)).convertToFormat(QImage::Format_ARGB32)
        .scaled(place.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Opaque pixels away from any edge, where the screen shows the picture alone.
    QVector<QPoint> opaques;
    for (int y = 1; y + 1 < source.height(); ++y)
        for (int x = 1; x + 1 < source.width(); ++x) {
            bool plein = true;
            for (int v = -1; v <= 1 && plein; ++v)
                for (int u = -1; u <= 1 && plein; ++u)
                    plein = qAlpha(source.pixel(x + u, y + v)) == 255;
            if (plein)
                opaques << QPoint(x, y);
        }
    if (opaques.isEmpty())
        return std::numeric_limits<double>::max();

    double meilleur = std::numeric_limits<double>::max();
    for (int dy = -marge; dy <= marge; ++dy)
        for (int dx = -marge; dx <= marge; ++dx) {
            const QPoint origine = place.topLeft() + QPoint(dx, dy);
            qint64 somme = 0;
            for (const QPoint &p : opaques) {
                const QPoint q = origine + p;
                somme += image.valid(q) ? difference(image.pixel(q), source.pixel(p)) : 3 * 255;
            }
            meilleur = std::min(meilleur, double(somme) / (3 * opaques.size()));
        }
    return meilleur;
}

QRect Ecran::legende() const
{
    const QSize t = tailleImage(QStringLiteral("legende_roue.png"));
    const int h = image.height() / 2;
    const int l = h * t.width() / t.height();
    return QRect(image.width() / 2 - l, 0, l, h);
}

QRect Ecran::grain() const
{
    const QSize t = tailleImage(QStringLiteral("grain.png"));
    const int l = std::min(image.width(), image.height()) * 7 / 100;
    const int h = t.height() * l / t.width();
    return QRect(image.width() / 2 - l / 2, image.height() / 2 - h / 2, l, h);
}

QRect Ecran::logo() const
{
    const QSize t = tailleImage(QStringLiteral("logo_tesk.png"));
    const int l = std::min(image.width(), image.height()) / 5;
    const int h = t.height() * l / t.width();
    return QRect(qRound(0.99 * image.width()) - l, qRound(0.01 * image.height()), l, h);
}

QRect Ecran::iconeSon() const
{
    // The button sits at (20, 20); its frame adds a few pixels around the
    // 80 x 80 icon.
    return QRect(24, 24, 80, 80);
}

QVector<QRgb> Ecran::anneaux() const
{
    QVector<QRgb> a;
    a.reserve(((rayonMax - rayonMin) / pasRayon + 1) * nAngles);
    // The wheel turns about the pixel corner at the halved size.
    const int cx = image.width() / 2;
    const int cy = image.height() / 2;
    for (int r = rayonMin; r <= rayonMax; r += pasRayon)
        for (int i = 0; i < nAngles; ++i) {
            const double t = qDegreesToRadians(i * pasAngle);
            a << echantillon(cx + r * std::cos(t), cy - r * std::sin(t));
        }
    return a;
}

// Bilinear sample at a point of the painter's coordinates, where pixel
// (x, y) covers the square from (x, y) to (x + 1, y + 1).
QRgb Ecran::echantillon(double x, double y) const
{
    const double u = x - 0.5;
    const double v = y - 0.5;
    const int x0 = int(std::floor(u));
    const int y0 = int(std::floor(v));
    const double fx = u - x0;
    const double fy = v - y0;
    const QRgb p00 = image.pixel(x0, y0), p10 = image.pixel(x0 + 1, y0);
    const QRgb p01 = image.pixel(x0, y0 + 1), p11 = image.pixel(x0 + 1, y0 + 1);
    const auto canal = [&](int (*c)(QRgb)) {
        const double haut = c(p00) * (1 - fx) + c(p10) * fx;
        const double bas = c(p01) * (1 - fx) + c(p11) * fx;
        return qRound(haut * (1 - fy) + bas * fy);
    };
    return qRgb(canal(qRed), canal(qGreen), canal(qBlue));
}
