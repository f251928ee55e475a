#ifndef TABLEAU_H
#define TABLEAU_H

#include <QString>

// Rows of the results table, printed in Markdown on standard output; the
// run script puts the header above them.
class Tableau
{
public:
    struct Ligne
    {
        QString mesure;
        QString taille;
        QString valeur;
        QString plancher;
        QString rapport;
        QString cible;
        QString atteinte;
        // The same figure for the wheel picture alone, where measured.
        QString seule = {};
    };

    static void imprimer(const Ligne &ligne);

    static QString nombre(double valeur, int decimales);
    // "a / b" as a ratio, or a dash when b is zero.
    static QString rapport(double a, double b);
    // A reference figure followed by the ratio of a value to it:
    // "10.20 (1.04×)".
    static QString reference(double reference, double valeur, int decimales);
    // a - b with its sign, for the ratio column of figures near zero.
    static QString ecart(double a, double b, int decimales, const QString &unite);
    static QString verdict(bool atteinte);
};

#endif
