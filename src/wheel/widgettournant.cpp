#include "widgettournant.h"

#include "cinematique.h"

#include <QCursor>
#include <QMouseEvent>
#include <QTimer>

#include <cmath>

WidgetTournant::WidgetTournant(const QString &path, QWidget *parent)
    : SurfaceGL(parent),
      topTimer(new QTimer(this)),
      ticTimer(new QTimer(this)),
      vitesse(0.0f),
      angleDepuisTic(0.0f),
      sonActif(true),
      curseurMain(new QCursor(Qt::PointingHandCursor)),
      curseurFleche(new QCursor(Qt::ArrowCursor)),
      xPrec(0),
      yPrec(0),
      xCour(0),
      yCour(0),
      pente(0.0f),
      ordonnee(0.0f),
      dernierPas(0.0f),
      saisi(false),
      angleRoue(0.0f),
      xCentre(0),
      yCentre(0),
      sonTic(path),
      imagesFaites(0)
{
    // Coarse timers may stretch a 20 ms period by 5 %.
    topTimer->setTimerType(Qt::PreciseTimer);
    ticTimer->setTimerType(Qt::PreciseTimer);
    connect(topTimer, SIGNAL(timeout()), this, SLOT(gererTopTimer()));
    connect(ticTimer, SIGNAL(timeout()), this, SLOT(ticAutoRoue()));

    update(0, 0, width(), height());
    setMouseTracking(true);
}

WidgetTournant::~WidgetTournant() = default;

void WidgetTournant::setSonActif(bool actif)
{
    sonActif = actif;
}

bool WidgetTournant::estDansZone(int, int)
{
    return true;
}

void WidgetTournant::calculerCentre() {}

void WidgetTournant::declencher(int speed)
{
    vitesse = float(speed);
    imagesFaites = 0;
    horlogeGlissade.start();
    topTimer->start(periodeImage);
    programmerTic();
}

void WidgetTournant::gererTopTimer()
{
    const bool tourne = rattraper(angleRoue, vitesse, imagesFaites, horlogeGlissade.elapsed());
    update(0, 0, width(), height());
    // The tick timer runs on and plays the closing tick.
    if (!tourne)
        topTimer->stop();
}

void WidgetTournant::ticAutoRoue()
{
    jouerTic();
    programmerTic();
}

void WidgetTournant::programmerTic()
{
    if (vitesse == 0.0f)
        ticTimer->stop();
    else
        ticTimer->start(periodeTic(vitesse));
}

void WidgetTournant::jouerTic()
{
    // Even when muted, a new tick cuts the one still playing.
    sonTic.stop();
    if (sonActif)
        sonTic.play();
}

void WidgetTournant::arreterTimers()
{
    vitesse = 0.0f;
    dernierPas = 0.0f;
    topTimer->stop();
    ticTimer->stop();
}

// The line through the centre and the previous point, y = pente * x + ordonnee,
// tells on which side of it the next point lies.
void WidgetTournant::calculerDroite()
{
    calculerCentre();
    if (xPrec == xCentre) {
        pente = 1e8f;
        ordonnee = float(double(yCentre) - 1e8 * xCentre);
    } else {
        const double p = (double(yPrec) - yCentre) / (double(xPrec) - xCentre);
        pente = float(p);
        ordonnee = float(yCentre - p * xCentre);
    }
}

void WidgetTournant::commencerSaisie(int x, int y)
{
    arreterTimers();
    xPrec = x;
    yPrec = y;
    xCour = x;
    yCour = y;
    calculerDroite();
    saisi = true;
}

void WidgetTournant::tourner(int x, int y)
{
    xCour = x;
    yCour = y;

    // Above the line and right of the centre is a counter-clockwise turn.
    // Straight below the centre the substitute vertical line leans right,
    // which needs the same side factor as a point right of the centre.
    const int s1 = double(pente) * x + double(ordonnee) > y ? 1 : -1;
    const int s2 = xPrec > xCentre || (xPrec == xCentre && yPrec > yCentre) ? 1 : -1;
    const float pas = float(s1 * s2) * angleBalaye(xCentre, yCentre, xPrec, yPrec, xCour, yCour);

    dernierPas = pas;
    angleRoue = avancerAngle(angleRoue, pas);
    angleDepuisTic = float(double(angleDepuisTic) + pas);
    if (std::fabs(angleDepuisTic) > seuilTic) {
        jouerTic();
        angleDepuisTic = 0.0f;
    }

    xPrec = xCour;
    yPrec = yCour;
    calculerDroite();
    update(0, 0, width(), height());
}

void WidgetTournant::relacher()
{
    saisi = false;
    declencher(int(dernierPas));
}

void WidgetTournant::mousePressEvent(QMouseEvent *e)
{
    if (estDansZone(e->pos().x(), e->pos().y()))
        commencerSaisie(e->pos().x(), e->pos().y());
}

void WidgetTournant::mouseMoveEvent(QMouseEvent *e)
{
    setCursor(estDansZone(e->pos().x(), e->pos().y()) ? *curseurMain : *curseurFleche);
    if (saisi)
        tourner(e->pos().x(), e->pos().y());
}

void WidgetTournant::mouseReleaseEvent(QMouseEvent *e)
{
    Q_UNUSED(e)
    if (saisi)
        relacher();
}
