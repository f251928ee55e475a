#ifndef ZONEROUE_H
#define ZONEROUE_H

#include "widgettournant.h"

#include <QPixmap>

// The coffee wheel: turns under the pointer about the widget centre, with
// the legend wedge, the hub bean and the publisher logo fixed over it.
class ZoneRoue : public WidgetTournant
{
    Q_OBJECT

public:
    ZoneRoue(const QString &cheminSon, QWidget *parent);

    float rayon() const;

protected:
    void peindre(QPainter &painter) override;
    bool estDansZone(int x, int y) override;
    void calculerCentre() override;

private:
    QPixmap imageRoue;
    QPixmap imageGrain;
    QPixmap imageLegende;
    QPixmap imageLogo;
};

#endif
