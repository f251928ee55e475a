#ifndef FENETRENUE_H
#define FENETRENUE_H

#include "surfacegl.h"

// The floor of every measurement: an OpenGL window that clears to the
// wheel's grey and swaps, the least any frame of the wheel can cost.
class FenetreNue : public SurfaceGL
{
    Q_OBJECT

public:
    explicit FenetreNue(QWidget *parent = nullptr);

protected:
    void peindre(QPainter &) override;
};

#endif
