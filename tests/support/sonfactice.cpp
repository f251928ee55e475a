#include "sonfactice.h"

#include "son.h"

// The stand-in never opens the stream that the real sound keeps.
#ifdef __clang__
#pragma clang diagnostic ignored "-Wunused-private-field"
#endif

int SonFactice::lectures = 0;
int SonFactice::arrets = 0;

Son::Son(const QString &)
    : flux(nullptr)
{}

Son::~Son() = default;

void Son::play()
{
    ++SonFactice::lectures;
}

void Son::stop()
{
    ++SonFactice::arrets;
}
