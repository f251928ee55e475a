#include "sontic.h"

#include "wav.h"

#include <QVector>
#include <QtEndian>
#include <QtMath>

#include <cmath>

namespace {

// Modes of a small block of hard wood struck by a pawl: frequency in Hz,
// decay time in seconds and weight. Short decays keep it a knock rather
// than a tone; the low mode gives the body of an old wooden wheel.
struct Mode
{
    double frequence;
    double amortissement;
    double poids;
};

const Mode modes[] = {
    {210, 0.0030, 0.30},  {940, 0.0085, 1.00},  {2150, 0.0055, 0.65},
    {3480, 0.0032, 0.45}, {5300, 0.0018, 0.30},
};

constexpr double duree = 0.032;
// The impact itself: a burst of noise shorter than a millisecond.
constexpr double dureeImpact = 0.0008;
constexpr double poidsImpact = 0.5;
// Rise time, so that the first sample does not jump from silence.
constexpr double attaque = 0.0002;
constexpr double crete = 0.7;
constexpr int frequence = 44100;
constexpr int nombre = int(duree * frequence);

} // namespace

QByteArray sonTic()
{
    // A fixed xorshift generator, so that the file is the same on every run.
    quint32 etat = 0x5EED7AC;
    const auto bruit = [&etat] {
        etat ^= etat << 13;
        etat ^= etat >> 17;
        etat ^= etat << 5;
        return etat / 2147483647.5 - 1;
    };
    QVector<double> signal(nombre, 0.0);
    double maximum = 0;
    for (int i = 0; i < nombre; ++i) {
        const double t = double(i) / frequence;
        double v = poidsImpact * bruit() * std::exp(-t / dureeImpact);
        for (const Mode &mode : modes)
            // cppcheck-suppress useStlAlgorithm ; a plain sum, clearer as a loop
            v += mode.poids * std::exp(-t / mode.amortissement) * std::sin(2 * M_PI * mode.frequence * t);
        signal[i] = v * qMin(1.0, t / attaque);
        maximum = qMax(maximum, std::abs(signal[i]));
    }
    QByteArray pcm(2 * qsizetype(nombre), Qt::Uninitialized);
    const int fondu = frequence / 200;
    for (qsizetype i = 0; i < nombre; ++i) {
        // A short fade keeps the cut at the end from clicking on its own.
        const double enveloppe = qMin(1.0, double(nombre - i) / fondu);
        qToLittleEndian(qint16(std::lround(signal[i] / maximum * crete * enveloppe * 32767)),
                        pcm.data() + 2 * i);
    }
    return ecrireWav({{frequence, 1, 16}, pcm});
}
