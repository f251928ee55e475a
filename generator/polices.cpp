#include "polices.h"

#include <QDir>
#include <QFontDatabase>

Polices::Polices()
    : dossier(),
      familleSans(),
      familleSerif()
{}

bool Polices::charger(const QString &repertoire, QString *erreur)
{
    dossier = repertoire;
    QString gras;
    return ajouter(QStringLiteral("DejaVuSans.ttf"), &familleSans, erreur)
           && ajouter(QStringLiteral("DejaVuSans-Bold.ttf"), &gras, erreur)
           && ajouter(QStringLiteral("DejaVuSerif.ttf"), &familleSerif, erreur)
           && ajouter(QStringLiteral("DejaVuSerif-Bold.ttf"), &gras, erreur);
}

QFont Polices::sans(bool gras) const
{
    return police(familleSans, gras);
}

QFont Polices::serif(bool gras) const
{
    return police(familleSerif, gras);
}

QFont Polices::police(const QString &famille, bool gras) const
{
    QFont resultat(famille);
    resultat.setBold(gras);
    // Outlines are taken unhinted: hinting would snap them to a pixel grid
    // that the curved layout never uses.
    resultat.setHintingPreference(QFont::PreferNoHinting);
    resultat.setKerning(true);
    return resultat;
}

bool Polices::ajouter(const QString &fichier, QString *famille, QString *erreur)
{
    const QString chemin = QDir(dossier).filePath(fichier);
    const int id = QFontDatabase::addApplicationFont(chemin);
    const QStringList familles = QFontDatabase::applicationFontFamilies(id);
    if (id < 0 || familles.isEmpty()) {
        *erreur = QStringLiteral("cannot load font %1 (package fonts-dejavu-core)").arg(chemin);
        return false;
    }
    *famille = familles.first();
    return true;
}
