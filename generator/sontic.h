#ifndef SONTIC_H
#define SONTIC_H

#include <QByteArray>
#include <QVector>

// The tick of the wheel: the knock of a pawl on an old wooden ratchet,
// made of a burst of noise and a few quickly damped modes of the wood.
class SonTic
{
public:
    SonTic();

    // A 16-bit mono PCM WAV file.
    QByteArray wav() const;

private:
    QVector<qint16> echantillons() const;

    int frequence;
    int nombre;
};

#endif
