#ifndef FICHIERICO_H
#define FICHIERICO_H

#include <QByteArray>
#include <QImage>

// Encodes one picture as a Windows icon file: a 32-bit BGRA bitmap with its
// alpha, followed by the 1-bit mask that older readers use instead. Not
// Qt's ico writer: it leaves the padding bytes of its mask rows
// uninitialised, so that the same picture gives a different file from one
// run to the next.
QByteArray fichierIco(const QImage &source);

#endif
