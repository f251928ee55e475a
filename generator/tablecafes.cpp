#include "tablecafes.h"

#include "geometrieroue.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

namespace {

const QStringList colonnes =
    QStringLiteral("famille nom caracteristiques origine force_corps acidite amertume cafeine").split(' ');

QStringList lignesDe(const QString &champ)
{
    QStringList lignes = champ.split(QLatin1Char('|'));
    for (QString &ligne : lignes)
        ligne = ligne.trimmed();
    return lignes;
}

// The word a line ends on if it is an article or a preposition, which a
// typesetter would carry over to the next line; empty if all is well.
QString motPendant(const QStringList &lignes)
{
    static const QRegularExpression pendant(
        QStringLiteral("(?:^|\\s)(à|aux?|des?|du|en|et|la|les?|sur|[dl][’'])$"),
        QRegularExpression::CaseInsensitiveOption);
    for (int i = 0; i + 1 < lignes.size(); ++i) {
        const QRegularExpressionMatch mot = pendant.match(lignes[i]);
        if (mot.hasMatch())
            return mot.captured(1);
    }
    return QString();
}

bool lireNote(const QString &champ, int *note)
{
    bool ok = false;
    *note = champ.trimmed().toInt(&ok);
    return ok && *note >= 1 && *note <= 4;
}

} // namespace

bool TableCafes::charger(const QString &chemin, QString *erreur)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *erreur = QStringLiteral("cannot read %1").arg(chemin);
        return false;
    }
    QTextStream flux(&fichier);
    bool entete = true;
    for (int numero = 1; !flux.atEnd(); ++numero) {
        const QString ligne = flux.readLine();
        if (ligne.trimmed().isEmpty() || ligne.startsWith(QLatin1Char('#')))
            continue;
        QString detail;
        if (entete) {
            if (ligne.split(QLatin1Char('\t')) != colonnes)
                detail = QStringLiteral("expected the header: ") + colonnes.join(QLatin1Char(' '));
            entete = false;
        } else {
            detail = lireLigne(ligne);
        }
        if (!detail.isEmpty()) {
            *erreur = QStringLiteral("%1:%2: %3").arg(chemin).arg(numero).arg(detail);
            return false;
        }
    }
    if (liste.size() != GeometrieRoue::secteurs - 1) {
        *erreur = QStringLiteral("%1: %2 coffees, the wheel has room for exactly %3")
                      .arg(chemin)
                      .arg(liste.size())
                      .arg(GeometrieRoue::secteurs - 1);
        return false;
    }
    return true;
}

QString TableCafes::lireLigne(const QString &ligne)
{
    QStringList champs = ligne.split(QLatin1Char('\t'));
    // Editors like to strip the tab that leaves the last column empty.
    if (champs.size() == colonnes.size() - 1)
        champs.append(QString());
    if (champs.size() != colonnes.size())
        return QStringLiteral("%1 columns instead of %2").arg(champs.size()).arg(colonnes.size());
    Cafe cafe;
    cafe.famille = champs[0].trimmed();
    cafe.nom = lignesDe(champs[1]);
    cafe.caracteristiques = lignesDe(champs[2]);
    cafe.origine = lignesDe(champs[3]);
    cafe.cafeine = champs[7].trimmed();
    if (cafe.famille.isEmpty() || cafe.nom.join(QString()).isEmpty())
        return QStringLiteral("every coffee needs a family and a name");
    for (const QStringList &texte : {cafe.nom, cafe.caracteristiques, cafe.origine}) {
        const QString mot = motPendant(texte);
        if (!mot.isEmpty())
            return QStringLiteral("a line ends on \"%1\": move the | before it").arg(mot);
    }
    if (!lireNote(champs[4], &cafe.force) || !lireNote(champs[5], &cafe.acidite)
        || !lireNote(champs[6], &cafe.amertume))
        return QStringLiteral("scores run from 1 to 4");
    // French typography: a narrow no-break space before the sign.
    static const QRegularExpression taux(QStringLiteral("^(\\d+,\\d+\\x{202F}%)?$"));
    if (!taux.match(cafe.cafeine).hasMatch())
        return QStringLiteral("caffeine is written like \"1,2 %\" with a narrow no-break space "
                              "(U+202F) before the %, or left empty");
    liste.append(cafe);
    return QString();
}

QStringList TableCafes::familles() const
{
    QStringList resultat;
    for (const Cafe &cafe : liste) {
        if (!resultat.contains(cafe.famille))
            resultat.append(cafe.famille);
    }
    return resultat;
}
