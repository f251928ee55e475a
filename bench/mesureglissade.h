#ifndef MESUREGLISSADE_H
#define MESUREGLISSADE_H

#include "echantillon.h"

#include <QSize>

class FenetreNue;
class QWidget;
class ZoneRoue;

// A real coast of the wheel, driven by its own frame timer, against the
// floor window repainted by a timer of the same period for as many frames:
// the intervals between paints and the CPU of the whole process.
class MesureGlissade
{
public:
    MesureGlissade(ZoneRoue &roue, FenetreNue &nue);

    void mesurer(const QSize &taille, int vitesse);
    void imprimer(double cibleCpu) const;

private:
    struct Course
    {
        Echantillon intervalles;
        int images = 0;
        int peintures = 0;
        double cpu = 0.0;   // cores
    };

    Course glisser(int vitesse);
    Course animer(int images);

    ZoneRoue &roue;
    FenetreNue &nue;
    QSize taille;
    Course courseRoue;
    Course courseNue;
};

#endif
