#ifndef PLACEMENT_H
#define PLACEMENT_H

#include <QPoint>
#include <QSize>

class QWidget;

// Shows a top-level widget at a given place and size and waits until the
// display has mapped it and the first paints are over.
void placer(QWidget &w, const QPoint &origine, const QSize &taille);

#endif
