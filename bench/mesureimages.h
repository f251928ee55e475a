#ifndef MESUREIMAGES_H
#define MESUREIMAGES_H

#include "echantillon.h"

#include <QSize>

class FenetreNue;
class QGLWidget;
class RoueSeule;
class ZoneRoue;

// Wall time of whole frames, repaint() then glFinish(), of the wheel, of
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
    struct Serie
    {
        Echantillon temps;      // ms
        long allocations = 0;
        int envois = 0;         // texture uploads
    };

    void bloc(QGLWidget &w, Serie &serie);
    double image(QGLWidget &w);

    ZoneRoue &roue;
    FenetreNue &nue;
    RoueSeule &seule;
    QSize taille;
    Serie serieRoue;
    Serie serieNue;
    Serie serieSeule;
    double megaOctetsAvant = 0.0;
    double peinturesParImage = 0.0;
};

#endif
