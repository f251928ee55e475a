#include "alphadroit.h"

#include <algorithm>

QImage alphaDroit(const QImage &image)
{
    const QImage source = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage droite(source.size(), QImage::Format_ARGB32);
    for (int y = 0; y < source.height(); ++y) {
        const auto *ligne = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        std::transform(ligne, ligne + source.width(), reinterpret_cast<QRgb *>(droite.scanLine(y)),
                       [](QRgb p) { return qUnpremultiply(p); });
    }
    return droite;
}
