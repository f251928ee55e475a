#include "essais.h"

#include <QFile>
#include <QProcess>
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

QString pactl(const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral("pactl"), arguments);
    if (!p.waitForFinished(10000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    const QString reponse = QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    return reponse.isNull() ? QStringLiteral("") : reponse;
}
