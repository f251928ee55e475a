#ifndef CAFE_H
#define CAFE_H

#include <QString>
#include <QStringList>

// One row of the coffee table: what the wheel prints in one sector.
struct Cafe
{
    QString famille;
    QStringList nom;
    QStringList caracteristiques;
    QStringList origine;
    int force = 0;
    int acidite = 0;
    int amertume = 0;
    QString cafeine;
};

#endif
