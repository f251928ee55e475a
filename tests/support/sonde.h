#ifndef SONDE_H
#define SONDE_H

#include "widgettournant.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTimer>

#include <cmath>

// Reads and drives the private state of a rotating widget for the tests.
class Sonde
{
public:
    explicit Sonde(WidgetTournant &w)
        : w(w)
    {}

    float vitesse() const { return w.vitesse; }
    float angleRoue() const { return w.angleRoue; }
    float dernierPas() const { return w.dernierPas; }
    float angleDepuisTic() const { return w.angleDepuisTic; }
    bool saisi() const { return w.saisi; }
    const QTimer &topTimer() const { return *w.topTimer; }
    const QTimer &ticTimer() const { return *w.ticTimer; }

    // Every number of the spin state is finite and the last step a real angle.
    bool etatSain() const
    {
        return std::isfinite(w.angleRoue) && std::isfinite(w.dernierPas) && std::isfinite(w.angleDepuisTic)
               && std::isfinite(w.vitesse) && std::fabs(w.dernierPas) <= 180.0f;
    }

    void setVitesse(float v) { w.vitesse = v; }
    void setAngleRoue(float a) { w.angleRoue = a; }
    void setAngleDepuisTic(float a) { w.angleDepuisTic = a; }
    void programmerTic() { w.programmerTic(); }
    void calculerCentre() { w.calculerCentre(); }

    // The private slots, through the meta-object as the timers call them.
    void image() { QMetaObject::invokeMethod(&w, "gererTopTimer"); }
    void ticAuto() { QMetaObject::invokeMethod(&w, "ticAutoRoue"); }

    // Runs frames until the coast stops; returns how many there were.
    int imagesJusquArret()
    {
        int n = 0;
        for (; w.topTimer->isActive() && n < 100000; ++n)
            image();
        return n;
    }

    void presser(QPoint p, Qt::MouseButton b = Qt::LeftButton) { souris(QEvent::MouseButtonPress, p, b, b); }
    void bouger(QPoint p) { souris(QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton); }
    void lacher(QPoint p, Qt::MouseButton b = Qt::LeftButton)
    {
        souris(QEvent::MouseButtonRelease, p, b, Qt::NoButton);
    }
    void souris(QEvent::Type type, QPoint p, Qt::MouseButton b, Qt::MouseButtons boutons)
    {
        QMouseEvent e(type, QPointF(p), QPointF(w.mapToGlobal(p)), b, boutons, Qt::NoModifier);
        QCoreApplication::sendEvent(&w, &e);
    }

private:
    WidgetTournant &w;
};

#endif
