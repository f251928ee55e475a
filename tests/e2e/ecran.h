#ifndef ECRAN_H
#define ECRAN_H

#include "disposition.h"

#include <QImage>
#include <QVector>

// A screenshot of the program's window and what it shows where: the wheel
// turning about the centre, the legend wedge, the hub and the logo fixed
// over it where the program lays them out, and the sound button.
class Ecran
{
public:
    Ecran() = default;
    // The window as the screen shows it, at a scale of echelle physical
    // pixels per pixel of the program.
    explicit Ecran(const QImage &fenetre, qreal echelle = 1);

    bool isNull() const;
    QSize taille() const;
    bool operator==(const Ecran &autre) const;

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
    // Whether the picture shows at the place, give or take marge pixels:
    // the mean difference per channel over its opaque pixels is small.
    bool montre(const QString &nom, const QRectF &place, int marge = 1) const;
    QVector<QRgb> anneaux() const;

    QImage image;
    qreal echelle = 1;
    Disposition d;
};

#endif
