#include "processus.h"

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

Processus::Processus(QObject *parent)
    : QProcess(parent)
{
}

Processus::~Processus()
{
    arreter();
}

void Processus::signaler(int signal)
{
    if (state() != NotRunning)
        ::kill(-pid_t(processId()), signal);
}

void Processus::arreter()
{
    if (state() == NotRunning)
        return;
    signaler(SIGTERM);
    if (!waitForFinished(3000)) {
        signaler(SIGKILL);
        waitForFinished(3000);
    }
}

void Processus::setupChildProcess()
{
    ::setsid();
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
}
