#ifndef GEOMETRIEROUE_H
#define GEOMETRIEROUE_H

#include <QRgb>
#include <QSize>

// The canvases of the pictures and their fixed colours, shared by the
// generator, which draws them, and the tests, which check them. The program
// scales the wheel and the legend to the same radius, so their bands must
// agree here.
namespace GeometrieRoue {

constexpr int largeurRoue = 1905;
// One pixel taller than wide; the disc stays centred on the canvas.
constexpr int hauteurRoue = 1906;
constexpr qreal rayonRoue = largeurRoue / 2.0;

constexpr int secteurs = 14;
constexpr qreal angleSecteur = 360.0 / secteurs;
// Third sector anticlockwise from the upward boundary.
constexpr int secteurPartenaires = 2;

// The radius is cut into elevenths: a black disc of three, then eight bands.
constexpr int unites = 11;
constexpr int unitesDisque = 3;
constexpr int bandes = unites - unitesDisque;
// An eleventh of the wheel's radius, in pixels.
constexpr qreal unite = rayonRoue / unites;

// Bands counted from the rim inwards.
enum Bande { Famille, Nom, Caracteristiques, Origine, Force, Acidite, Amertume, Cafeine };

inline qreal rayonInterieur(qreal rayon, int bande)
{
    return rayon * (unites - 1 - bande) / unites;
}

inline qreal rayonExterieur(qreal rayon, int bande)
{
    return rayon * (unites - bande) / unites;
}

// The legend: one sector as a wedge whose apex is the canvas's bottom-right
// corner. Its radius is the wheel's rounded up, so that drawn at half the
// widget height it shares the wheel's scale. The edges are measured
// anticlockwise from the vertical through the apex; the wider one makes
// the wedge exactly as wide as the canvas.
constexpr int largeurLegende = 443;
constexpr int rayonLegende = 953;
constexpr qreal bordDroitLegende = 1.8;
constexpr qreal bordGaucheLegende = 27.7;

constexpr QSize tailleGrain(100, 91);
constexpr QSize tailleLogo(249, 124);

// The bean's brown, on the hub and in the rating cells.
constexpr QRgb brunGrain = 0xFF755A32;
// Rating cells take the colour of their score, 1 to 4; a score of 1 wears
// the partners' pink.
constexpr QRgb couleursNotes[] = {0xFFF8D3E3, 0xFFFFDD74, 0xFFEAC7A4, 0xFFB89178};
constexpr QRgb rosePartenaires = couleursNotes[0];

} // namespace GeometrieRoue

#endif
