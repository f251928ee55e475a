#include "son.h"

#include "fluxson.h"
#include "wav.h"

Son::Son(const QString &chemin)
    : flux(nullptr),
      fil()
{
    const Wav wav = chargerWav(chemin);
    if (wav.isNull())
        return;
    flux = new FluxSon(wav);
    flux->moveToThread(&fil);
    QObject::connect(&fil, &QThread::started, flux, &FluxSon::ouvrirSortie);
    QObject::connect(&fil, &QThread::finished, flux, &QObject::deleteLater);
    fil.setObjectName(QStringLiteral("son"));
    fil.start();
}

Son::~Son()
{
    fil.quit();
    fil.wait();
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
