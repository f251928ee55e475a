#ifndef ZONEROUE_H
#define ZONEROUE_H

#include "widgettournant.h"

#include <QPixmap>
#include <QRgb>

// The grey behind the wheel.
constexpr QRgb grisFond = qRgb(0xf0, 0xf0, 0xf0);

// Clears the current GL surface to grisFond.
void effacerFond();

// The coffee wheel: turns under the pointer about the widget centre, with
// the legend wedge, the hub bean and the publisher logo fixed over it.
class ZoneRoue : public WidgetTournant
{
    Q_OBJECT

public:
    ZoneRoue(const QString &cheminSon, QWidget *parent);

    float rayon() const;

protected:
#if QT_VERSION_MAJOR < 6
    void paintEvent(QPaintEvent *) override;
#else
    void paintGL() override;
#endif
    bool estDansZone(int x, int y) override;
    void calculerCentre() override;

private:
    QPixmap imageRoue;
    QPixmap imageGrain;
    QPixmap imageLegende;
    QPixmap imageLogo;
};

#endif
