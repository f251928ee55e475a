#ifndef ROUESEULE_H
#define ROUESEULE_H

#include "surfacegl.h"

#include <QPixmap>

// The wheel picture alone, drawn as the design of the program fixes it:
// the surface cleared, the full-size picture turned and smoothly scaled
// into a square as high as the widget through the surface's painter, then
// the swap. The cost of the design itself, before any code of ours.
class RoueSeule : public SurfaceGL
{
    Q_OBJECT

public:
    explicit RoueSeule(QWidget *parent = nullptr);

    void tourner(float pas);

protected:
    void peindre(QPainter &painter) override;

private:
    QPixmap image;
    float angle = 0.0f;
};

#endif
