#ifndef COMPTEURALLOCATIONS_H
#define COMPTEURALLOCATIONS_H

// Counts the heap allocations of the whole process, all threads and all
// libraries: the program that links this file replaces malloc and its
// kin with counting forwarders to the C library's own.
class CompteurAllocations
{
public:
    static long allocations();
};

#endif
