#include "tempscpu.h"

#include <QFile>
#include <QList>

#include <algorithm>

#include <sys/resource.h>
#include <unistd.h>

double tempsCpuProcessus()
{
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return double(r.ru_utime.tv_sec + r.ru_stime.tv_sec)
           + double(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
}

double tempsCpuProcessus(pid_t pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1.0;
    // The command name may hold spaces: count the fields after its ')'.
    const QByteArray ligne = stat.readAll();
    const QList<QByteArray> champs = ligne.mid(ligne.lastIndexOf(')') + 2).split(' ');
    if (champs.size() < 13)
        return -1.0;
    // Fields 14 and 15 of the file: utime and stime, in clock ticks.
    const double ticks = double(champs.at(11).toLongLong() + champs.at(12).toLongLong());
    return ticks / double(sysconf(_SC_CLK_TCK));
}

long memoireCreteKo(pid_t pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    // Files under /proc tell no size: read them whole, never to atEnd().
    const QList<QByteArray> lignes = status.readAll().split('\n');
    const auto crete = std::find_if(lignes.begin(), lignes.end(),
                                    [](const QByteArray &l) { return l.startsWith("VmHWM:"); });
    return crete == lignes.end() ? -1 : crete->mid(6).trimmed().split(' ').first().toLong();
}
