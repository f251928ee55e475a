#ifndef GEOMETRIEROUE_H
#define GEOMETRIEROUE_H

#include <QtGlobal>

// Layout shared by the wheel and its legend: the program scales both
// pictures to the same radius, so their bands must agree here.
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

} // namespace GeometrieRoue

#endif
