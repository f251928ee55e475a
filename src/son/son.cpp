#include "son.h"

#include "fluxson.h"
#include "wav.h"

Son::Son(const QString &chemin)
    : flux(nullptr)
{
    const Wav wav = chargerWav(chemin);
    if (!wav.isNull())
        flux = new FluxSon(wav);
}

Son::~Son()
{
    delete flux;
}

void Son::play()
{
    if (flux)
        flux->rejouer();
}

void Son::stop()
{
    if (flux)
        flux->arreter();
}
