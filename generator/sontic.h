#ifndef SONTIC_H
#define SONTIC_H

#include <QByteArray>

// The tick of the wheel, a 16-bit mono PCM WAV file: the knock of a pawl on
// an old wooden ratchet, made of a burst of noise and a few quickly damped
// modes of the wood.
QByteArray sonTic();

#endif
