#include "polices.h"

#include <QDir>
#include <QFontDatabase>

bool Polices::charger(const QString &repertoire, QString *erreur)
{
    // The family of each face; the bold ones share their regular's.
    const auto ajouter = [&](const char *fichier, QString *famille) {
        const QString chemin = QDir(repertoire).filePath(QLatin1String(fichier));
        const QStringList familles =
            QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(chemin));
        if (familles.isEmpty())
            *erreur = QStringLiteral("cannot load font %1 (package fonts-dejavu-core)").arg(chemin);
        else
            *famille = familles.first();
        return !familles.isEmpty();
    };
    QString gras;
    return ajouter("DejaVuSans.ttf", &familleSans) && ajouter("DejaVuSans-Bold.ttf", &gras)
           && ajouter("DejaVuSerif.ttf", &familleSerif) && ajouter("DejaVuSerif-Bold.ttf", &gras);
}

QFont Polices::police(const QString &famille, bool gras)
{
    QFont resultat(famille);
    resultat.setBold(gras);
    // Outlines are taken unhinted: hinting would snap them to a pixel grid
    // that the curved layout never uses.
    resultat.setHintingPreference(QFont::PreferNoHinting);
    resultat.setKerning(true);
    return resultat;
}
