#ifndef MESURESAISIE_H
#define MESURESAISIE_H

#include "echantillon.h"

#include <QPoint>
#include <QSize>

class FenetreNue;
class QWidget;
class ZoneRoue;

// The cost of handling one mouse move of a drag, paint excluded: the hooks,
// the step arithmetic, the cursor and the repaint request. Each move is
// followed by its paint, untimed, as when a user drags. The floor is the
// same event delivered to the bare window.
class MesureSaisie
{
public:
    MesureSaisie(ZoneRoue &roue, FenetreNue &nue);

    void mesurer(const QSize &taille);
    void imprimer() const;

private:
    double envoyer(QWidget &w, int type, const QPoint &p);

    ZoneRoue &roue;
    FenetreNue &nue;
    QSize taille;
    Echantillon mouvementsRoue;
    Echantillon mouvementsNus;
    double allocationsRoue = 0.0;
    double allocationsNues = 0.0;
};

#endif
