#include "enregistrement.h"

#include "bureau.h"

#include <QFile>
#include <QtEndian>

#include <csignal>
#include <cstdlib>

namespace {

constexpr int frequence = 44100;
// Levels of the envelope, in 16-bit sample units, and the quiet gap that
// must come before an onset.
constexpr int niveauFort = 3000;
constexpr int niveauCalme = 600;
constexpr double silenceAvantS = 0.010;

} // namespace

Enregistrement::Enregistrement(const Bureau &bureau)
    : fichier(bureau.dossier() + "/enregistrement.wav"),
      enregistreur(),
      origineMs(0)
{
    QFile::remove(fichier);
    enregistreur.setProcessEnvironment(bureau.environnement());
    enregistreur.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

bool Enregistrement::demarrer()
{
    enregistreur.start("parecord", {"--device=nul.monitor", "--file-format=wav", "--format=s16le",
                                    "--channels=1", QString("--rate=%1").arg(frequence),
                                    "--latency-msec=20", fichier});
    // The server may hand over its first samples in a burst: wait until the
    // recording runs steadily.
    return enregistreur.waitForStarted(10000)
        && Bureau::attendre([this] { return echantillons().size() > frequence / 2; }, 10000);
}

void Enregistrement::arreter()
{
    // An interrupted recorder still completes the file's header.
    enregistreur.signaler(SIGINT);
    if (!enregistreur.waitForFinished(5000))
        enregistreur.arreter();
}

QVector<double> Enregistrement::attaques(double fusionS)
{
    QVector<double> temps;
    for (double t : attaques(echantillons(), frequence))
        if (temps.isEmpty() || t - temps.last() >= fusionS)
            temps << t;
    return temps;
}

QVector<double> Enregistrement::attaquesMs(double fusionS)
{
    QVector<double> temps = attaques(fusionS);
    for (double &t : temps)
        t = origineMs + 1000.0 * t;
    return temps;
}

QVector<double> Enregistrement::attaques(const QVector<qint16> &echantillons, int frequence)
{
    const int silenceRequis = int(silenceAvantS * frequence);
    QVector<double> temps;
    int calmes = silenceRequis;
    int debut = 0;
    bool signalee = false;
    for (int i = 0; i < echantillons.size(); ++i) {
        const int niveau = std::abs(int(echantillons[i]));
        if (niveau < niveauCalme) {
            ++calmes;
            continue;
        }
        if (calmes >= silenceRequis) {
            debut = i;
            signalee = false;
        }
        calmes = 0;
        if (niveau >= niveauFort && !signalee) {
            temps << double(debut) / frequence;
            signalee = true;
        }
    }
    return temps;
}

// The file is read as it grows: whatever follows the data chunk's header
// is taken, whatever size that header claims.
QVector<qint16> Enregistrement::echantillons()
{
    QFile f(fichier);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const double lecture = Bureau::horloge();
    const QByteArray octets = f.readAll();
    qint64 position = 12;
    while (position + 8 <= octets.size() && octets.mid(int(position), 4) != "data")
        position += 8 + qFromLittleEndian<quint32>(octets.constData() + position + 4);
    if (position + 8 > octets.size())
        return {};
    position += 8;
    QVector<qint16> resultat(int(octets.size() - position) / 2);
    for (int i = 0; i < resultat.size(); ++i)
        resultat[i] = qFromLittleEndian<qint16>(octets.constData() + position + 2 * qint64(i));
    // Once the recording runs, the file grows in small steady chunks, so its
    // latest length dates its samples best.
    origineMs = lecture - 1000.0 * resultat.size() / frequence;
    return resultat;
}
