#include "sonfactice.h"

#include "son.h"

int SonFactice::lectures = 0;
int SonFactice::arrets = 0;

Son::Son(const QString &)
    : flux(nullptr),
      fil()
{
}

Son::~Son() = default;

void Son::play()
{
    ++SonFactice::lectures;
}

void Son::stop()
{
    ++SonFactice::arrets;
}
