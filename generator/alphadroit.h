#pragma once

#include <QImage>

// The picture with straight alpha, as files store it, computed exactly.
// QImage's own conversion from premultiplied alpha uses an approximate
// reciprocal (RCPPS) on processors with SSE4.1, whose last bits differ from
// one processor make to another: the same drawing would give files a level
// apart in a few pixels of its edges.
QImage alphaDroit(const QImage &image);
