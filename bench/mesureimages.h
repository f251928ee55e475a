#ifndef MESUREIMAGES_H
#define MESUREIMAGES_H

#include "echantillon.h"
#include "surfacegl.h"

#include <QSize>

class FenetreNue;
class RoueSeule;
class ZoneRoue;

// Wall time of whole frames, painted and swapped, of the wheel, of
// the floor and of the wheel picture alone on surfaces of the same size,
// drawn in alternating blocks so that all three meet the same noise. The
// wheels turn between their frames.
class MesureImages
{
public:
    MesureImages(ZoneRoue &roue, FenetreNue &nue, RoueSeule &seule);

    void mesurer(const QSize &taille);
    // A target of 0 is none.
    void imprimer(double cibleMs) const;

private:
    void bloc(SurfaceGL &w, Echantillon &temps);

    ZoneRoue &roue;
    FenetreNue &nue;
    RoueSeule &seule;
    QSize taille;
    Echantillon tempsRoue;
    Echantillon tempsNue;
    Echantillon tempsSeule;
};

#endif
