#include "tableau.h"

#include <QTextStream>

#include <cstdio>

void Tableau::imprimer(const Ligne &l)
{
    auto cellule = [](const QString &s) { return s.isEmpty() ? QStringLiteral("–") : s; };
    QTextStream sortie(stdout);
    sortie << "| " << l.mesure << " | " << cellule(l.taille) << " | " << cellule(l.valeur) << " | "
           << cellule(l.plancher) << " | " << cellule(l.rapport) << " | " << cellule(l.seule) << " | "
           << cellule(l.cible) << " | " << cellule(l.atteinte) << " |\n";
    sortie.flush();
}

QString Tableau::nombre(double valeur, int decimales)
{
    return QString::number(valeur, 'f', decimales);
}

QString Tableau::rapport(double a, double b)
{
    return b > 0.0 ? QString::number(a / b, 'f', 2) + QStringLiteral("×") : QString();
}

QString Tableau::reference(double reference, double valeur, int decimales)
{
    return nombre(reference, decimales) + QStringLiteral(" (") + rapport(valeur, reference)
           + QStringLiteral(")");
}

QString Tableau::ecart(double a, double b, int decimales, const QString &unite)
{
    const double d = a - b;
    return (d < 0.0 ? QStringLiteral("−") : QStringLiteral("+")) + QString::number(qAbs(d), 'f', decimales)
           + unite;
}

QString Tableau::verdict(bool atteinte)
{
    return atteinte ? QStringLiteral("yes") : QStringLiteral("**no**");
}
