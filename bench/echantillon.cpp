#include "echantillon.h"

#include <algorithm>
#include <cmath>

void Echantillon::reserver(int n)
{
    valeurs.reserve(size_t(n));
}

void Echantillon::ajouter(double valeur)
{
    valeurs.push_back(valeur);
}

int Echantillon::taille() const
{
    return int(valeurs.size());
}

double Echantillon::mediane() const
{
    return centile(50.0);
}

double Echantillon::centile(double p) const
{
    if (valeurs.empty())
        return std::nan("");
    std::vector<double> tries = valeurs;
    std::sort(tries.begin(), tries.end());
    const double rang = std::ceil(p / 100.0 * double(tries.size()));
    const size_t i = size_t(std::clamp(rang, 1.0, double(tries.size()))) - 1;
    return tries[i];
}

int Echantillon::auDessus(double seuil) const
{
    return int(std::count_if(valeurs.begin(), valeurs.end(), [seuil](double v) { return v > seuil; }));
}

double Echantillon::partEntre(double bas, double haut) const
{
    if (valeurs.empty())
        return std::nan("");
    const auto dedans = std::count_if(valeurs.begin(), valeurs.end(),
                                      [bas, haut](double v) { return v >= bas && v <= haut; });
    return double(dedans) / double(valeurs.size());
}
