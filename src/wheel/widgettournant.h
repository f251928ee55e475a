#ifndef WIDGETTOURNANT_H
#define WIDGETTOURNANT_H

#include "son.h"
#include "surfacegl.h"

#include <QElapsedTimer>

#include <memory>

class QCursor;
class QTimer;

// An OpenGL widget carrying one rotation angle that the user turns like a
// wheel on an axle: a drag turns it with the pointer, a release launches it
// and it coasts with friction until it stops, ticking as it turns.
// Subclasses paint the picture turned by angleRoue and give the geometry
// through estDansZone() and calculerCentre().
class WidgetTournant : public SurfaceGL
{
    Q_OBJECT

public:
    WidgetTournant(const QString &path, QWidget *parent);
    ~WidgetTournant() override;

    void setSonActif(bool actif);

private slots:
    void gererTopTimer();
    void ticAutoRoue();

public slots:
    void declencher(int);

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;

    virtual bool estDansZone(int x, int y);
    virtual void calculerCentre();

private:
    void calculerDroite();
    void arreterTimers();
    void commencerSaisie(int x, int y);
    void tourner(int x, int y);
    void relacher();
    void jouerTic();
    void programmerTic();

    QTimer *topTimer;
    QTimer *ticTimer;
    float vitesse;
    float angleDepuisTic;
    bool sonActif;
    std::unique_ptr<QCursor> curseurMain;
    std::unique_ptr<QCursor> curseurFleche;
    int xPrec, yPrec;
    int xCour, yCour;
    float pente;
    float ordonnee;
    float dernierPas;
    bool saisi;

protected:
    float angleRoue;
    int xCentre, yCentre;

private:
    Son sonTic;
    // Since the launch of the coast, and its frames run so far.
    QElapsedTimer horlogeGlissade;
    int imagesFaites;

    friend class Sonde;
};

#endif
