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

// The stream is only touched in its own thread.
void Son::play()
{
    if (flux)
        QMetaObject::invokeMethod(flux, "rejouer", Qt::QueuedConnection);
}

void Son::stop()
{
    if (flux)
        QMetaObject::invokeMethod(flux, "arreter", Qt::QueuedConnection);
}
