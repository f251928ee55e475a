#ifndef MESUREGLISSADE_H
#define MESUREGLISSADE_H

#include "echantillon.h"

#include <QSize>

#include <functional>

class FenetreNue;
class QWidget;
class RoueSeule;
class ZoneRoue;

// A real coast of the wheel, driven by its own frame timer, against the
// floor window and the wheel picture alone, each repainted by a timer of
// the same period for as many frames: the intervals between paints and the
// CPU of the whole process.
class MesureGlissade
{
public:
    MesureGlissade(ZoneRoue &roue, FenetreNue &nue, RoueSeule &seule);

    void mesurer(const QSize &taille, int vitesse);
    void imprimer(double cibleCpu) const;

private:
    struct Course
    {
        Echantillon intervalles;
        int images = 0;
        double cpu = 0.0; // cores
    };

    Course glisser(int vitesse);
    // Calls image every frame period, for as many frames.
    static Course animer(QWidget &w, int images, const std::function<void()> &image);

    ZoneRoue &roue;
    FenetreNue &nue;
    RoueSeule &seule;
    QSize taille;
    Course courseRoue;
    Course courseNue;
    Course courseSeule;
};

#endif
