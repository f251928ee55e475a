#ifndef ENREGISTREMENT_H
#define ENREGISTREMENT_H

#include <QProcess>
#include <QTemporaryDir>
#include <QVector>

// What a null sink of the desktop plays, recorded from its monitor (16-bit
// mono samples), and the ticks heard in it.
class Enregistrement
{
public:
    explicit Enregistrement(const QString &sortie = QStringLiteral("nul"));
    ~Enregistrement();

    // Starts recording; true once the recording runs steadily.
    bool demarrer();

    // Onsets so far, in seconds from the start of the recording: the
    // envelope rising above a loud level after staying under a quiet one
    // for a while. A tick broken by a stall of the program, whose stream
    // then runs dry, resumes later: onsets within a tenth of a second of
    // the one before are taken as part of it.
    QVector<double> attaques() const { return attaquesDe(echantillons()); }
    // The same of any such samples.
    static QVector<double> attaquesDe(const QVector<qint16> &echantillons);

private:
    QVector<qint16> echantillons() const;

    const QString sortie;
    QTemporaryDir dossier;
    QProcess enregistreur;
};

#endif
