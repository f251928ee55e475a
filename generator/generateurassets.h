#ifndef GENERATEURASSETS_H
#define GENERATEURASSETS_H

#include "polices.h"
#include "tablecafes.h"

#include <QDir>

class QImage;

// Writes the whole asset set into one directory, from the coffee table.
class GenerateurAssets
{
public:
    GenerateurAssets(const QString &cheminDeLaTable, const QString &policesDejaVu);

    bool generer(const QString &dossier, QString *erreur);

private:
    bool ecrirePng(const QImage &image, const QString &nom, QString *erreur) const;
    bool ecrire(const QByteArray &octets, const QString &nom, QString *erreur) const;
    bool ecrireIcones(QString *erreur) const;

    QString cheminTable;
    QString dossierPolices;
    Polices polices;
    TableCafes table;
    QDir sortie;
};

#endif
