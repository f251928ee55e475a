#ifndef TEMPSCPU_H
#define TEMPSCPU_H

#include <sys/types.h>

// CPU time, user plus system, of all the threads of a process, in seconds.
double tempsCpuProcessus();
double tempsCpuProcessus(pid_t pid);

// Peak resident memory (VmHWM) of a process, in kB; -1 if unknown.
long memoireCreteKo(pid_t pid);

#endif
