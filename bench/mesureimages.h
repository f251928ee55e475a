#ifndef MESUREIMAGES_H
#define MESUREIMAGES_H

#include "echantillon.h"

#include <QSize>

class FenetreNue;
class QGLWidget;
class ZoneRoue;

// Wall time of whole frames, repaint() then glFinish(), of the wheel and of
// the floor on a surface of the same size, drawn in alternating blocks so
// that both meet the same noise. The wheel turns between its frames.
class MesureImages
{
public:
    MesureImages(ZoneRoue &roue, FenetreNue &nue);

    void mesurer(const QSize &taille);
    // A target of 0 is none.
    void imprimer(double cibleMs) const;

private:
    double image(QGLWidget &w);

    ZoneRoue &roue;
    FenetreNue &nue;
    QSize taille;
    Echantillon imagesRoue;
    Echantillon imagesNues;
    double allocationsRoue = 0.0;
    double allocationsNues = 0.0;
    double envoisParImage = 0.0;
    double peinturesParImage = 0.0;
};

#endif
