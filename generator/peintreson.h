#ifndef PEINTRESON_H
#define PEINTRESON_H

#include <QImage>
#include <QPainterPath>

// The sound button's two pictures: a pair of beamed eighth notes, and the
// same notes struck through for silence.
class PeintreSon
{
public:
    PeintreSon();

    QImage dessiner(bool barre) const;

private:
    static QPainterPath notes();
};

#endif
