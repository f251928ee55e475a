#ifndef ENREGISTREMENT_H
#define ENREGISTREMENT_H

#include "processus.h"

#include <QVector>

class Bureau;

// What the desktop's null sink plays, recorded from its monitor to a WAV
// file (16-bit mono), and the ticks found in it.
class Enregistrement
{
public:
    explicit Enregistrement(const Bureau &bureau);

    // Starts recording; true once the first samples are written.
    bool demarrer();
    void arreter();

    // Onsets so far, in seconds from the start of the recording. Onsets
    // closer than fusionS to the one before are taken as part of it.
    QVector<double> attaques(double fusionS = 0);
    // The same on the clock of Bureau::horloge(), in milliseconds.
    QVector<double> attaquesMs(double fusionS = 0);

    // Onsets of a signal: the envelope rising above a loud level after
    // staying under a quiet one for a while.
    static QVector<double> attaques(const QVector<qint16> &echantillons, int frequence);

private:
    QVector<qint16> echantillons();

    QString fichier;
    Processus enregistreur;
    double origineMs;   // when the first sample was recorded, as last estimated
};

#endif
