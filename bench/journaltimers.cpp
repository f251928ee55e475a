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
    const std::chrono::duration<double, std::milli> ms = std::chrono::steady_clock::now().time_since_epoch();
    std::fprintf(journal, "%.3f %p %d\n", ms.count(), static_cast<const void *>(timer), intervalle);
    std::fflush(journal);
}

} // namespace

void QTimer::start(int msec)
{
    static const auto suivante =
        reinterpret_cast<void (*)(QTimer *, int)>(dlsym(RTLD_NEXT, "_ZN6QTimer5startEi"));
    noter(this, msec);
    suivante(this, msec);
}

void QTimer::stop()
{
    static const auto suivante = reinterpret_cast<void (*)(QTimer *)>(dlsym(RTLD_NEXT, "_ZN6QTimer4stopEv"));
    noter(this, -1);
    suivante(this);
}
