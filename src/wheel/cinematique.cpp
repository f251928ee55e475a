#include "cinematique.h"

#include <algorithm>
#include <climits>
#include <cmath>

float distance(int x1, int y1, int x2, int y2)
{
    const double dx = std::abs(double(x1) - x2);
    const double dy = std::abs(double(y1) - y2);
    return float(std::sqrt(dx * dx + dy * dy));
}

float angleBalaye(int xc, int yc, int x1, int y1, int x2, int y2)
{
    const double b = distance(xc, yc, x1, y1);
    const double c = distance(xc, yc, x2, y2);
    const double a = distance(x2, y2, x1, y1);
    if (b == 0.0 || c == 0.0)
        return 0.0f;
    // The three distances are rounded to float, so a move along a ray from
    // the centre can carry the cosine just outside [-1, 1].
    const double cosinus = std::clamp((b * b + c * c - a * a) / (2.0 * b * c), -1.0, 1.0);
    const float theta = float(std::acos(cosinus));
    return float(double(theta) * double(180.0f) / double(3.1415927f));
}

int periodeTic(float vitesse)
{
    const double n = std::fabs(std::trunc(double(500.0f) / double(vitesse)));
    return n < 150.0 ? 150 : int(std::min(n, double(INT_MAX)));
}

float avancerAngle(float angle, double pas)
{
    const double somme = double(angle) + pas;
    return float(std::fabs(somme) < tourMax ? somme : std::fmod(somme, 360.0));
}

namespace {

// One coast frame: turns the angle by the speed and applies friction.
// Returns false, with the speed set to 0, once the wheel has stopped.
bool avancerImage(float &angle, float &vitesse)
{
    angle = avancerAngle(angle, vitesse);
    vitesse = float(double(vitesse) * double(frottement));
    if (std::fabs(vitesse) <= vitesseArret) {
        vitesse = 0.0f;
        return false;
    }
    return true;
}

} // namespace

bool rattraper(float &angle, float &vitesse, int &faits, long long ecouleMs)
{
    const long long dus = std::max(faits + 1LL, ecouleMs / periodeImage);
    bool tourne = true;
    for (; tourne && faits < dus; ++faits)
        tourne = avancerImage(angle, vitesse);
    return tourne;
}
