#ifndef SONTIC_H
#define SONTIC_H

#include <QByteArray>
#include <QVector>

// The tick of the wheel: the click of a wooden pawl on a ratchet, made
// from a burst of noise ringing through a few wooden resonances.
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
