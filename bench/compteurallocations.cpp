#include "compteurallocations.h"

#include <atomic>
#include <cerrno>
#include <cstddef>

// The C library's own allocator, under the names it exports for programs
// that replace malloc.
// NOLINTBEGIN(bugprone-reserved-identifier)
extern "C" {
void *__libc_malloc(size_t taille);
void *__libc_calloc(size_t n, size_t taille);
void *__libc_realloc(void *p, size_t taille);
void *__libc_memalign(size_t alignement, size_t taille);
}
// NOLINTEND(bugprone-reserved-identifier)

namespace {

std::atomic<long> nombre{0};

void *compter(void *p)
{
    nombre.fetch_add(1, std::memory_order_relaxed);
    return p;
}

} // namespace

extern "C" {

void *malloc(size_t taille)
{
    return compter(__libc_malloc(taille));
}

void *calloc(size_t n, size_t taille)
{
    return compter(__libc_calloc(n, taille));
}

void *realloc(void *p, size_t taille)
{
    return compter(__libc_realloc(p, taille));
}

void *memalign(size_t alignement, size_t taille)
{
    return compter(__libc_memalign(alignement, taille));
}

void *aligned_alloc(size_t alignement, size_t taille)
{
    return compter(__libc_memalign(alignement, taille));
}

int posix_memalign(void **p, size_t alignement, size_t taille)
{
    *p = compter(__libc_memalign(alignement, taille));
    return *p ? 0 : ENOMEM;
}

} // extern "C"

long CompteurAllocations::allocations()
{
    return nombre.load(std::memory_order_relaxed);
}
