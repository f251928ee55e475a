#include "essais.h"

#include <QFile>
#include <QtMath>

#include <cmath>

QByteArray lire(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

double angleSigne(QPoint u, QPoint v)
{
    // The cross product's sign flips with the y axis.
    return qRadiansToDegrees(std::atan2(-(double(u.x()) * v.y() - double(u.y()) * v.x()),
                                        double(u.x()) * v.x() + double(u.y()) * v.y()));
}
