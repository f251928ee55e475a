#ifndef ECRAN_H
#define ECRAN_H

#include <QImage>
#include <QRect>
#include <QVector>

// A screenshot of the program's window and what it shows where: the wheel
// turning about the centre, the legend wedge, the hub and the logo fixed
// over it, and the sound button in the top-left corner.
class Ecran
{
public:
    Ecran() = default;
    explicit Ecran(const QImage &fenetre);

    bool isNull() const;
    QSize taille() const;
    bool operator==(const Ecran &autre) const;
    bool operator!=(const Ecran &autre) const;

    // How far the wheel has turned since the other picture, in degrees,
    // counter-clockwise positive, in (-180, 180].
    double tourDepuis(const Ecran &avant) const;
    // Share of the wheel's samples that show the plain background.
    double partFond() const;

    // Whether the legend, the hub and the logo show at their places.
    bool fixesEnPlace() const;
    // Whether the sound button shows the given one of the program's pictures.
    bool montreIcone(const QString &nom) const;
    // Where the sound button's icon shows, within a few pixels.
    QRect iconeSon() const;

private:
    // Whether the place shows one of the program's pictures, give or take
    // marge pixels.
    bool montre(const QString &nom, const QRect &place, int marge = 1) const;
    // Mean difference per channel, 0 to 255, between the screen and the
    // picture drawn into the place, over the picture's opaque pixels, at
    // the best offset within marge pixels.
    double ecart(const QString &nom, const QRect &place, int marge) const;
    QRect legende() const;
    QRect grain() const;
    QRect logo() const;
    QVector<QRgb> anneaux() const;
    QRgb echantillon(double x, double y) const;

    QImage image;
};

#endif
