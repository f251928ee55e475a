#ifndef POLICES_H
#define POLICES_H

#include <QFont>
#include <QString>

// DejaVu faces loaded from their files rather than picked by the system's
// font matching, so that the pictures come out the same on every machine.
class Polices
{
public:
    bool charger(const QString &repertoire, QString *erreur);

    QFont sans(bool gras) const { return police(familleSans, gras); }
    QFont serif(bool gras) const { return police(familleSerif, gras); }

private:
    static QFont police(const QString &famille, bool gras);

    QString familleSans;
    QString familleSerif;
};

#endif
