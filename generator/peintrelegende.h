#ifndef PEINTRELEGENDE_H
#define PEINTRELEGENDE_H

#include <QImage>

class Polices;

// Draws the key laid over the wheel just left of noon: one black sector
// whose apex is the picture's bottom-right corner, with the band names.
class PeintreLegende
{
public:
    explicit PeintreLegende(const Polices &polices);

    QImage dessiner() const;

private:
    const Polices &polices;
};

#endif
