#ifndef POLICES_H
#define POLICES_H

#include <QFont>
#include <QString>

// DejaVu faces loaded from their files rather than picked by the system's
// font matching, so that the pictures come out the same on every machine.
class Polices
{
public:
    Polices();

    bool charger(const QString &repertoire, QString *erreur);

    QFont sans(bool gras) const;
    QFont serif(bool gras) const;

private:
    QFont police(const QString &famille, bool gras) const;
    bool ajouter(const QString &fichier, QString *famille, QString *erreur);

    QString dossier;
    QString familleSans;
    QString familleSerif;
};

#endif
