#ifndef ECOUTEPASSIVE_H
#define ECOUTEPASSIVE_H

#include <QString>
#include <QVector>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

// What a sink plays, recorded from its monitor (16-bit mono samples at
// 44.1 kHz) without keeping the sink awake: a suspended sink stays
// suspended until something plays into it, and the recording starts then.
// A loop and context of its own, not FluxSon's: it connects once, before
// its loop runs, and a lost server ends the measurement, where FluxSon
// connects again at the first play after the server left, under the
// running loop's lock. The three libpulse types above are all they share.
class EcoutePassive
{
public:
    explicit EcoutePassive(const QString &sortie);
    ~EcoutePassive();

    EcoutePassive(const EcoutePassive &) = delete;
    EcoutePassive &operator=(const EcoutePassive &) = delete;

    // Connects to the server; false if that cannot start.
    bool demarrer();
    // Whether the stream records. On a sink that does not run, PipeWire's
    // server connects it only once the sink runs again.
    bool enregistre() const;
    QVector<qint16> echantillons() const;

private:
    static void surContexte(pa_context *c, void *moi);
    static void surLecture(pa_stream *s, size_t taille, void *moi);

    const QByteArray source;
    pa_threaded_mainloop *boucle;
    pa_context *contexte;
    pa_stream *flux;
    QVector<qint16> recus; // under the main loop's lock
};

#endif
