#include "disposition.h"

#include <algorithm>

namespace {

// Height for a given width, keeping the picture's aspect ratio.
int hauteurPour(int largeur, const QSize &image)
{
    return image.isEmpty() ? 0 : image.height() * largeur / image.width();
}

// Width for a given height, keeping the picture's aspect ratio.
int largeurPour(int hauteur, const QSize &image)
{
    return image.isEmpty() ? 0 : hauteur * image.width() / image.height();
}

} // namespace

float rayonRoue(const QSize &widget)
{
    const int demiCote = std::min(widget.width(), widget.height()) / 2;
    return float(demiCote);
}

Disposition disposer(const QSize &widget, const QSize &grain, const QSize &legende, const QSize &logo)
{
    const int w = widget.width();
    const int h = widget.height();
    const int s = std::min(w, h);
    const int largeurGrain = grain.isEmpty() ? 0 : int(s * 0.07);
    const int largeurLogo = logo.isEmpty() ? 0 : int(s * 0.2);
    const int hauteurGrain = hauteurPour(largeurGrain, grain);
    const int largeurLegende = largeurPour(h / 2, legende);

    Disposition d;
    d.centre = QPoint(w / 2, h / 2);
    d.roue = QRect(-(h / 2), -(h / 2), h, h);
    d.legende = QRect(w / 2 - largeurLegende, 0, largeurLegende, legende.isEmpty() ? 0 : h / 2);
    d.grain = QRect(-(largeurGrain / 2), -(hauteurGrain / 2), largeurGrain, hauteurGrain);
    d.origineLogo = QPointF(0.99 * w - largeurLogo, 0.01 * h);
    d.logo = QSize(largeurLogo, hauteurPour(largeurLogo, logo));
    return d;
}
