#ifndef DISPOSITION_H
#define DISPOSITION_H

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

// Where the wheel and the three fixed pictures go in a widget of a given
// size. Sizes follow the widget: the wheel and the legend its height, the
// hub and the logo its smaller side, each picture keeping its aspect ratio.
// A picture with no pixels gets an empty rectangle and is not drawn.
struct Disposition
{
    QPoint centre; // the wheel's pivot
    QRect roue;    // wheel square, relative to the pivot, before turning
    QRect legende; // legend wedge, its bottom-right corner on the pivot
    QRect grain;   // hub, relative to the pivot
    QPointF origineLogo;
    QSize logo;
};

Disposition disposer(const QSize &widget, const QSize &grain, const QSize &legende, const QSize &logo);

// Radius of the grabbable disc: half the smaller side, in whole pixels.
float rayonRoue(const QSize &widget);

#endif
