#include "fenetrenue.h"

FenetreNue::FenetreNue(QWidget *parent)
    : SurfaceGL(parent)
{}

// The surface clears and swaps on its own.
void FenetreNue::peindre(QPainter &) {}
