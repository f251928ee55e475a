#include "fluxson.h"

#include <pulse/context.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

namespace {

// Audio queued ahead of the sound card: bounds how late a tick may start.
constexpr pa_usec_t latence = 30000;
// How much room the server lets free before asking for more.
constexpr pa_usec_t requete = 10000;
// Silence written after the sound before the stream is corked: well past
// the queued audio, so that the end of the sound is never held back.
constexpr pa_usec_t silenceAvantVeilleUs = 200000;

// Integer PCM as the WAV reader gives it: unsigned 8-bit or signed 16-bit.
pa_sample_spec echantillonnageDe(const FormatWav &format)
{
    pa_sample_spec echantillonnage;
    echantillonnage.format = format.bits == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
    echantillonnage.rate = quint32(format.frequence);
    echantillonnage.channels = quint8(qBound(0, format.canaux, 255));
    return echantillonnage;
}

pa_buffer_attr tamponDe(const pa_sample_spec &echantillonnage)
{
    pa_buffer_attr tampon;
    tampon.maxlength = quint32(-1);
    tampon.tlength = quint32(pa_usec_to_bytes(latence, &echantillonnage));
    tampon.prebuf = quint32(-1);
    tampon.minreq = quint32(pa_usec_to_bytes(requete, &echantillonnage));
    tampon.fragsize = quint32(-1);
    return tampon;
}

// Cork and flush answer later; nothing waits for them.
void lacher(pa_operation *operation)
{
    if (operation)
        pa_operation_unref(operation);
}

} // namespace

FluxSon::FluxSon(const Wav &wav)
    : wav(wav),
      echantillonnage(echantillonnageDe(wav.format)),
      tampon(tamponDe(echantillonnage)),
      position(wav.pcm.size()),
      silence(0),
      silenceAvantVeille(pa_usec_to_bytes(silenceAvantVeilleUs, &echantillonnage)),
      boucle(pa_threaded_mainloop_new()),
      contexte(nullptr),
      flux(nullptr)
{
    // Without a running loop the sound is silence: every call returns.
    if (boucle)
        pa_threaded_mainloop_set_name(boucle, "son");
    if (boucle && (!pa_sample_spec_valid(&echantillonnage) || pa_threaded_mainloop_start(boucle) < 0)) {
        pa_threaded_mainloop_free(boucle);
        boucle = nullptr;
    }
    if (!boucle)
        return;
    pa_threaded_mainloop_lock(boucle);
    connecter();
    pa_threaded_mainloop_unlock(boucle);
}

FluxSon::~FluxSon()
{
    if (!boucle)
        return;
    pa_threaded_mainloop_lock(boucle);
    deconnecter();
    pa_threaded_mainloop_unlock(boucle);
    pa_threaded_mainloop_stop(boucle);
    pa_threaded_mainloop_free(boucle);
}

void FluxSon::rejouer()
{
    if (!boucle)
        return;
    pa_threaded_mainloop_lock(boucle);
    position = 0;
    silence = 0;
    if (!contexte || !PA_CONTEXT_IS_GOOD(pa_context_get_state(contexte))) {
        // Dropped by the server, or it was not there: the stream opens
        // once connected, and plays the sound from its start.
        deconnecter();
        connecter();
    } else if (flux && pa_stream_get_state(flux) == PA_STREAM_READY) {
        // What is queued is silence, or the rest of the sound before: dropped,
        // so that the sound starts at once, and as soon on PipeWire, which
        // queues more than asked, as on PulseAudio.
        lacher(pa_stream_flush(flux, nullptr, nullptr));
        if (pa_stream_is_corked(flux) > 0)
            lacher(pa_stream_cork(flux, 0, nullptr, nullptr));
        ecrire(pa_stream_writable_size(flux));
    } else if (!flux || !PA_STREAM_IS_GOOD(pa_stream_get_state(flux))) {
        // The sink went away under the stream; the server is still there.
        if (flux)
            pa_stream_unref(flux);
        flux = nullptr;
        if (pa_context_get_state(contexte) == PA_CONTEXT_READY)
            ouvrirFlux();
    }
    pa_threaded_mainloop_unlock(boucle);
}

void FluxSon::arreter()
{
    if (!boucle)
        return;
    pa_threaded_mainloop_lock(boucle);
    position = wav.pcm.size();
    pa_threaded_mainloop_unlock(boucle);
}

void FluxSon::connecter()
{
    contexte = pa_context_new(pa_threaded_mainloop_get_api(boucle), "Dravoune");
    if (!contexte)
        return;
    pa_context_set_state_callback(contexte, surContexte, this);
    // No server is started for us: the desktop's comes back by itself.
    if (pa_context_connect(contexte, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        deconnecter();
}

void FluxSon::deconnecter()
{
    if (flux) {
        pa_stream_set_write_callback(flux, nullptr, nullptr);
        pa_stream_disconnect(flux);
        pa_stream_unref(flux);
        flux = nullptr;
    }
    if (contexte) {
        pa_context_set_state_callback(contexte, nullptr, nullptr);
        pa_context_disconnect(contexte);
        pa_context_unref(contexte);
        contexte = nullptr;
    }
}

// Uncorked: the server asks at once for a buffer, filled with silence, or
// with the sound if a restart came while connecting; then it corks.
void FluxSon::ouvrirFlux()
{
    flux = pa_stream_new(contexte, "Dravoune", &echantillonnage, nullptr);
    if (!flux)
        return;
    pa_stream_set_write_callback(flux, surEcriture, this);
    // No device: the default output, and whichever the user picks later.
    if (pa_stream_connect_playback(flux, nullptr, &tampon, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0) {
        pa_stream_unref(flux);
        flux = nullptr;
    }
}

void FluxSon::ecrire(size_t place)
{
    const size_t trame = pa_frame_size(&echantillonnage);
    place -= place % trame;
    if (place == 0)
        return;
    QByteArray morceau = wav.pcm.mid(int(position), int(place));
    position += morceau.size();
    // 8-bit samples, unsigned in WAV files, are silent at mid-scale.
    const size_t blanc = place - size_t(morceau.size());
    morceau.append(int(blanc), echantillonnage.format == PA_SAMPLE_U8 ? char(0x80) : char(0));
    silence += blanc;
    pa_stream_write(flux, morceau.constData(), size_t(morceau.size()), nullptr, 0, PA_SEEK_RELATIVE);
    if (silence >= silenceAvantVeille)
        lacher(pa_stream_cork(flux, 1, nullptr, nullptr));
}

void FluxSon::surContexte(pa_context *c, void *moi)
{
    if (pa_context_get_state(c) == PA_CONTEXT_READY)
        static_cast<FluxSon *>(moi)->ouvrirFlux();
}

void FluxSon::surEcriture(pa_stream *s, size_t place, void *moi)
{
    // A request the server sent before it took the cork.
    if (pa_stream_is_corked(s) <= 0)
        static_cast<FluxSon *>(moi)->ecrire(place);
}
