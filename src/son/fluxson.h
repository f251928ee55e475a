#ifndef FLUXSON_H
#define FLUXSON_H

#include "wav.h"

#include <pulse/def.h>
#include <pulse/sample.h>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

// The samples of a short sound followed by silence, played on a stream of
// the audio server from libpulse's thread, so that a busy GUI thread cannot
// starve it. Once the sound has played out and some silence after it, the
// stream is corked: an idle wheel costs no CPU and the server may suspend
// its sink. A restart uncorks it and writes the sound at once.
// Qt's audio engine connects to the server once and retries once, 3 s after
// losing it; this stream instead connects again at the first restart after
// the server dropped it or was not there, so that the sound comes back with
// the server and nothing runs while it is away. It plays on the server's
// default output, and follows it when the user picks another.
class FluxSon
{
public:
    explicit FluxSon(const Wav &wav);
    ~FluxSon();

    FluxSon(const FluxSon &) = delete;
    FluxSon &operator=(const FluxSon &) = delete;

    // Both may be called from any thread.
    void rejouer();
    void arreter();

private:
    // Under the main loop's lock.
    void connecter();
    void deconnecter();
    void ouvrirFlux();
    void ecrire(size_t place);

    static void surContexte(pa_context *c, void *moi);
    static void surEcriture(pa_stream *s, size_t place, void *moi);

    const Wav wav;
    const pa_sample_spec echantillonnage;
    const pa_buffer_attr tampon;
    qsizetype position; // next byte to play; the sound's size when silent
    size_t silence;     // bytes of silence written since the sound ended
    const size_t silenceAvantVeille;
    pa_threaded_mainloop *boucle;
    pa_context *contexte;
    pa_stream *flux;
};

#endif
