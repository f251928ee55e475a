// Preloaded into the program by banc-tics: logs every start and stop of a
// QTimer that the program asks for, with the time on the monotonic clock,
// into the file named by DRAVOUNE_JOURNAL. The tick timer's restarts tell
// when each tick was played and when the next was due.

#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>

namespace {

void noter(const QTimer *timer, int intervalle)
{
    static FILE *journal = std::fopen(std::getenv("DRAVOUNE_JOURNAL"), "w");
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch())
            .count();
    std::fprintf(journal, "%.3f %p %d\n", ms, static_cast<const void *>(timer), intervalle);
    std::fflush(journal);
}

template <typename Fonction> Fonction reelle(const char *nom)
{
    return reinterpret_cast<Fonction>(dlsym(RTLD_NEXT, nom));
}

} // namespace

void QTimer::start(int msec)
{
    static const auto suivante = reelle<void (*)(QTimer *, int)>("_ZN6QTimer5startEi");
    noter(this, msec);
    suivante(this, msec);
}

void QTimer::stop()
{
    static const auto suivante = reelle<void (*)(QTimer *)>("_ZN6QTimer4stopEv");
    noter(this, -1);
    suivante(this);
}
