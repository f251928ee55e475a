#ifndef BANC_H
#define BANC_H

#include "surfacegl.h"

#include <QPixmap>
#include <QStringList>
#include <QTimer>

#include <vector>

// Nearest-rank percentile, p in [0, 100]: a noisy machine calls for medians
// and percentiles rather than means. NaN values are left out; NaN when
// none is left.
double centile(std::vector<double> valeurs, double p);

// A row of the results table, in Markdown on standard output, whose header
// the run script writes: measure, size, Dravoune, bare window, ratio,
// wheel alone, target, met. Missing or empty cells print as a dash.
void ligne(const QStringList &cellules);
QString nombre(double valeur, int decimales);
// a against b: "1.04×".
QString fois(double a, double b);
QString verdict(bool atteinte);

// CPU time, user plus system, of all the threads of a process, in seconds.
double tempsCpu(qint64 pid);
// Peak resident memory (VmHWM) of a process, in MB.
double memoireCrete(qint64 pid);

// The floors of every measure. Bare, an OpenGL surface that clears to the
// wheel's grey and swaps: the least any frame of the wheel can cost. With
// the wheel picture alone, drawn as the program's design fixes it: the
// full-size picture turned and smoothly scaled into a square as high as
// the surface through its painter, the cost of the design itself before
// any code of ours.
class Plancher : public SurfaceGL
{
    Q_OBJECT

public:
    explicit Plancher(bool avecRoue);

    float angle = 0.0f;
    // While it runs, turns the picture 10° and repaints at the coast's period.
    QTimer images;

protected:
    void peindre(QPainter &painter) override;

private:
    const QPixmap image;
};

#endif
