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
    explicit Sonde(WidgetTournant &w) : w(w) {}

    float vitesse() const { return w.vitesse; }
    float angleRoue() const { return w.angleRoue; }
    float dernierPas() const { return w.dernierPas; }
    float angleDepuisTic() const { return w.angleDepuisTic; }
    bool saisi() const { return w.saisi; }
    bool sonActif() const { return w.sonActif; }
    int ticsJoues() const { return w.ticsJoues; }
    int arretsSon() const { return w.arretsSon; }
    const QTimer &topTimer() const { return *w.topTimer; }
    const QTimer &ticTimer() const { return *w.ticTimer; }
    QPoint centre() const { return QPoint(w.xCentre, w.yCentre); }

    // Every number of the spin state is finite and the last step a real angle.
    bool etatSain() const
    {
        return std::isfinite(w.angleRoue) && std::isfinite(w.dernierPas) && std::isfinite(w.angleDepuisTic)
            && std::isfinite(w.vitesse) && std::fabs(w.dernierPas) <= 180.0f;
    }

    void setVitesse(float v) { w.vitesse = v; }
    void setAngleDepuisTic(float a) { w.angleDepuisTic = a; }
    void setAngleRoue(float a) { w.angleRoue = a; }
    void programmerTic() { w.programmerTic(); }
    void calculerCentre() { w.calculerCentre(); }
    bool estDansZone(int x, int y) { return w.estDansZone(x, y); }

    // The private slots, through the meta-object as the timers call them.
    void image() { QMetaObject::invokeMethod(&w, "gererTopTimer"); }
    void ticAuto() { QMetaObject::invokeMethod(&w, "ticAutoRoue"); }

    // Runs frames until the coast stops; returns how many there were.
    int imagesJusquArret(int limite = 100000)
    {
        int n = 0;
        while (w.topTimer->isActive() && n < limite) {
            image();
            ++n;
        }
        return n;
    }

    void presser(int x, int y, Qt::MouseButton b = Qt::LeftButton) { souris(QEvent::MouseButtonPress, x, y, b, b); }
    void bouger(int x, int y) { souris(QEvent::MouseMove, x, y, Qt::NoButton, Qt::LeftButton); }
    void lacher(int x, int y, Qt::MouseButton b = Qt::LeftButton) { souris(QEvent::MouseButtonRelease, x, y, b, Qt::NoButton); }
    void souris(QEvent::Type type, int x, int y, Qt::MouseButton b, Qt::MouseButtons boutons)
    {
        QMouseEvent e(type, QPointF(x, y), b, boutons, Qt::NoModifier);
        QCoreApplication::sendEvent(&w, &e);
    }

private:
    WidgetTournant &w;
};

#endif
