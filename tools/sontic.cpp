#include "sontic.h"

#include <QDataStream>
#include <QtMath>

#include <cmath>

namespace {

// Modes of a small block of hard wood: frequency in Hz, decay time in
// seconds and weight. Short decays keep it a knock rather than a tone.
struct Mode
{
    double frequence;
    double amortissement;
    double poids;
};

const Mode modes[] = {
    { 180, 0.0040, 0.55 },
    { 960, 0.0090, 1.00 },
    { 2130, 0.0060, 0.60 },
    { 3470, 0.0035, 0.40 },
    { 5200, 0.0020, 0.25 },
};

constexpr double duree = 0.032;
constexpr double dureeImpact = 0.0015;
constexpr double crete = 0.7;

} // namespace

SonTic::SonTic()
    : frequence(44100),
      nombre(int(duree * 44100))
{
}

QVector<qint16> SonTic::echantillons() const
{
    // Each mode is a two-pole resonator fed by the impact noise.
    const double pas = 1.0 / frequence;
    QVector<double> signal(nombre, 0.0);
    // A fixed xorshift generator, so that the file is the same on every run.
    quint32 etat = 0x5EED7AC;
    const auto bruit = [&etat] {
        etat ^= etat << 13;
        etat ^= etat >> 17;
        etat ^= etat << 5;
        return etat / 2147483647.5 - 1;
    };
    QVector<double> impact(nombre, 0.0);
    for (int i = 0; i < nombre && i * pas < dureeImpact; ++i)
        impact[i] = bruit() * (1 - i * pas / dureeImpact);
    for (const Mode &mode : modes) {
        const double r = std::exp(-pas / mode.amortissement);
        const double c = 2 * r * std::cos(2 * M_PI * mode.frequence * pas);
        double y1 = 0;
        double y2 = 0;
        for (int i = 0; i < nombre; ++i) {
            const double y = impact[i] + c * y1 - r * r * y2;
            signal[i] += mode.poids * y * (1 - r);
            y2 = y1;
            y1 = y;
        }
    }
    double maximum = 0;
    for (double v : signal)
        maximum = qMax(maximum, std::abs(v));
    QVector<qint16> resultat(nombre);
    const int fondu = frequence / 200;
    for (int i = 0; i < nombre; ++i) {
        // A short fade keeps the cut at the end from clicking on its own.
        const double enveloppe = qMin(1.0, double(nombre - i) / fondu);
        resultat[i] = qint16(std::lround(signal[i] / maximum * crete * enveloppe * 32767));
    }
    return resultat;
}

QByteArray SonTic::wav() const
{
    const QVector<qint16> donnees = echantillons();
    const quint32 tailleDonnees = quint32(donnees.size()) * 2;
    QByteArray resultat;
    QDataStream flux(&resultat, QIODevice::WriteOnly);
    flux.setByteOrder(QDataStream::LittleEndian);
    flux.writeRawData("RIFF", 4);
    flux << quint32(36 + tailleDonnees);
    flux.writeRawData("WAVEfmt ", 8);
    flux << quint32(16) << quint16(1) << quint16(1) << quint32(frequence)
         << quint32(frequence * 2) << quint16(2) << quint16(16);
    flux.writeRawData("data", 4);
    flux << tailleDonnees;
    for (qint16 v : donnees)
        flux << v;
    return resultat;
}
