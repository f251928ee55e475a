#ifndef ESPIONPEINTURES_H
#define ESPIONPEINTURES_H

#include "echantillon.h"

#include <QElapsedTimer>
#include <QObject>

#include <vector>

// Stamps every paint event that a widget receives, to measure the intervals
// between them.
class EspionPeintures : public QObject
{
    Q_OBJECT

public:
    explicit EspionPeintures(QWidget *cible);
    ~EspionPeintures() override;

    // Intervals between successive paints, in ms.
    Echantillon intervalles() const;

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override;

private:
    QWidget *cible;
    QElapsedTimer horloge;
    std::vector<qint64> instants;
};

#endif
