#include "espionpeintures.h"

#include <QEvent>
#include <QWidget>

EspionPeintures::EspionPeintures(QWidget *cible)
    : cible(cible)
{
    // Room for minutes of frames: no allocation while stamping.
    instants.reserve(20000);
    horloge.start();
    cible->installEventFilter(this);
}

EspionPeintures::~EspionPeintures()
{
    cible->removeEventFilter(this);
}

Echantillon EspionPeintures::intervalles() const
{
    Echantillon e;
    e.reserver(int(instants.size()));
    for (size_t i = 1; i < instants.size(); ++i)
        e.ajouter(double(instants[i] - instants[i - 1]) / 1e6);
    return e;
}

bool EspionPeintures::eventFilter(QObject *objet, QEvent *evenement)
{
    if (objet == cible && evenement->type() == QEvent::Paint)
        instants.push_back(horloge.nsecsElapsed());
    return false;
}
