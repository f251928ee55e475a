#ifndef ECHANTILLON_H
#define ECHANTILLON_H

#include <vector>

// A set of measurements and the order statistics a noisy machine calls for:
// medians and percentiles rather than means.
class Echantillon
{
public:
    void reserver(int n);
    void ajouter(double valeur);
    int taille() const;

    double mediane() const;
    // Nearest-rank percentile, p in [0, 100].
    double centile(double p) const;
    int auDessus(double seuil) const;
    // Share of the values within [bas, haut], in [0, 1].
    double partEntre(double bas, double haut) const;

private:
    std::vector<double> valeurs;
};

#endif
