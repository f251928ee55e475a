#ifndef TABLECAFES_H
#define TABLECAFES_H

#include "cafe.h"

#include <QVector>

// The coffee table, a tab-separated text file kept beside the generator
// so that the wheel's content can be edited without touching the drawing.
class TableCafes
{
public:
    bool charger(const QString &chemin, QString *erreur);

    const QVector<Cafe> &cafes() const { return liste; }
    QStringList familles() const;

private:
    // Reads one coffee; returns what is wrong with the line, if anything.
    QString lireLigne(const QString &ligne);

    QVector<Cafe> liste;
};

#endif
