#include "ecoutepassive.h"

#include <pulse/context.h>
#include <pulse/proplist.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

EcoutePassive::EcoutePassive(const QString &sortie)
    : source((sortie + QStringLiteral(".monitor")).toUtf8()),
      boucle(pa_threaded_mainloop_new()),
      contexte(pa_context_new(pa_threaded_mainloop_get_api(boucle), "banc-reveil")),
      flux(nullptr),
      recus()
{
    pa_context_set_state_callback(contexte, surContexte, this);
}

EcoutePassive::~EcoutePassive()
{
    pa_threaded_mainloop_stop(boucle);
    if (flux) {
        pa_stream_disconnect(flux);
        pa_stream_unref(flux);
    }
    pa_context_disconnect(contexte);
    pa_context_unref(contexte);
    pa_threaded_mainloop_free(boucle);
}

bool EcoutePassive::demarrer()
{
    return pa_context_connect(contexte, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0
           && pa_threaded_mainloop_start(boucle) >= 0;
}

bool EcoutePassive::enregistre() const
{
    pa_threaded_mainloop_lock(boucle);
    const bool pret = flux && pa_stream_get_state(flux) == PA_STREAM_READY;
    pa_threaded_mainloop_unlock(boucle);
    return pret;
}

QVector<qint16> EcoutePassive::echantillons() const
{
    pa_threaded_mainloop_lock(boucle);
    QVector<qint16> copie = recus;
    pa_threaded_mainloop_unlock(boucle);
    return copie;
}

void EcoutePassive::surContexte(pa_context *c, void *moi)
{
    auto *ecoute = static_cast<EcoutePassive *>(moi);
    if (pa_context_get_state(c) == PA_CONTEXT_READY) {
        const pa_sample_spec format = {PA_SAMPLE_S16LE, 44100, 1};
        // PulseAudio leaves the sink to suspend by the flag below; PipeWire's
        // server by this property of the stream's node.
        pa_proplist *proprietes = pa_proplist_new();
        pa_proplist_sets(proprietes, "node.passive", "true");
        ecoute->flux = pa_stream_new_with_proplist(c, "monitor", &format, nullptr, proprietes);
        pa_proplist_free(proprietes);
        pa_stream_set_read_callback(ecoute->flux, surLecture, ecoute);
        pa_buffer_attr tampon = {quint32(-1), quint32(-1), quint32(-1), quint32(-1),
                                 quint32(pa_usec_to_bytes(10000, &format))};
        pa_stream_connect_record(
            ecoute->flux, ecoute->source.constData(), &tampon,
            pa_stream_flags_t(PA_STREAM_DONT_INHIBIT_AUTO_SUSPEND | PA_STREAM_ADJUST_LATENCY));
    }
}

// In the main loop's thread, under its lock.
void EcoutePassive::surLecture(pa_stream *s, size_t, void *moi)
{
    auto *ecoute = static_cast<EcoutePassive *>(moi);
    const void *donnees = nullptr;
    size_t taille = 0;
    while (pa_stream_readable_size(s) > 0 && pa_stream_peek(s, &donnees, &taille) == 0 && taille > 0) {
        // A hole in the stream is silence.
        const auto *e = static_cast<const qint16 *>(donnees);
        if (e)
            ecoute->recus.append(QVector<qint16>(e, e + taille / 2));
        else
            ecoute->recus.resize(ecoute->recus.size() + int(taille / 2));
        pa_stream_drop(s);
    }
}
