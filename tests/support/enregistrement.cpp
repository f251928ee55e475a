#include "enregistrement.h"

#include "appli.h"
#include "essais.h"

#include <QtEndian>

#include <cstdlib>

namespace {

constexpr int frequence = 44100;
// Levels of the envelope, in 16-bit sample units, and the quiet gap that
// must come before an onset.
constexpr int niveauFort = 3000;
constexpr int niveauCalme = 600;
constexpr int silenceAvant = frequence / 100;
// Onsets closer than this, in s, are one tick.
constexpr double memeTic = 0.1;

} // namespace

Enregistrement::Enregistrement(const QString &sortie)
    : sortie(sortie)
{
    enregistreur.setStandardOutputFile(dossier.filePath(QStringLiteral("nul.raw")));
}

Enregistrement::~Enregistrement()
{
    enregistreur.terminate();
    enregistreur.waitForFinished(5000);
}

bool Enregistrement::demarrer()
{
    enregistreur.start("parec", {"--device=" + sortie + ".monitor", "--format=s16le", "--channels=1",
                                 QStringLiteral("--rate=%1").arg(frequence), "--latency-msec=20"});
    // The server may hand over its first samples in a burst.
    return enregistreur.waitForStarted(10000)
           && Appli::attendre([this] { return echantillons().size() > frequence / 2; }, 10000);
}

QVector<double> Enregistrement::attaquesDe(const QVector<qint16> &e)
{
    QVector<double> temps;
    int calmes = silenceAvant;
    int debut = 0;
    bool signalee = false;
    for (int i = 0; i < e.size(); ++i) {
        const int niveau = std::abs(int(e[i]));
        if (niveau < niveauCalme) {
            ++calmes;
            continue;
        }
        if (calmes >= silenceAvant) {
            debut = i;
            signalee = false;
        }
        calmes = 0;
        const double t = double(debut) / frequence;
        if (niveau >= niveauFort && !signalee && (temps.isEmpty() || t - temps.last() >= memeTic))
            temps << t;
        signalee = signalee || niveau >= niveauFort;
    }
    return temps;
}

QVector<qint16> Enregistrement::echantillons() const
{
    const QByteArray octets = lire(dossier.filePath(QStringLiteral("nul.raw")));
    QVector<qint16> e(octets.size() / 2);
    // Nothing recorded yet: no samples to read, from no buffer.
    if (!e.isEmpty())
        qFromLittleEndian<qint16>(octets.constData(), e.size(), e.data());
    return e;
}
