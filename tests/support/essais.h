#ifndef ESSAIS_H
#define ESSAIS_H

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QStringList>

// The whole file, or nothing if it cannot be read.
QByteArray lire(const QString &chemin);

// Signed angle, in degrees within [-180, 180], from u to v: vectors from a
// common centre in screen coordinates (y downwards), counter-clockwise on
// the screen positive.
double angleSigne(QPoint u, QPoint v);

// What pactl prints to the audio server's questions, trimmed: null when
// pactl fails, empty when it answers with nothing.
QString pactl(const QStringList &arguments);

#endif
