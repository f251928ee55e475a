#include "mesureimages.h"

#include "compteurallocations.h"
#include "compteurtextures.h"
#include "espionpeintures.h"
#include "fenetrenue.h"
#include "placement.h"
#include "sonde.h"
#include "tableau.h"
#include "zoneroue.h"

#include <QElapsedTimer>
#include <QtTest>

namespace {

constexpr int blocs = 12;
constexpr int parBloc = 25;
constexpr float pasAngle = 7.3f;


} // namespace

MesureImages::MesureImages(ZoneRoue &roue, FenetreNue &nue)
    : roue(roue), nue(nue)
{
}

double MesureImages::image(QGLWidget &w)
{
    QElapsedTimer chrono;
    chrono.start();
    w.repaint();
    w.makeCurrent();
    glFinish();
    return double(chrono.nsecsElapsed()) / 1e6;
}

void MesureImages::mesurer(const QSize &t)
{
    taille = t;
    placer(roue, QPoint(0, 0), taille);
    placer(nue, QPoint(taille.width(), 0), taille);

    Sonde sonde(roue);
    float angle = 0.0f;
    // Warm up: the first frames upload the pictures and build the shaders.
    for (int i = 0; i < parBloc; ++i) {
        sonde.setAngleRoue(angle += pasAngle);
        image(roue);
        image(nue);
    }

    imagesRoue = Echantillon();
    imagesNues = Echantillon();
    imagesRoue.reserver(blocs * parBloc);
    imagesNues.reserver(blocs * parBloc);
    EspionPeintures espion(&roue);
    const int envois = CompteurTextures::envois();
    long allocations = 0;
    long allocationsNu = 0;
    for (int b = 0; b < blocs; ++b) {
        for (int i = 0; i < parBloc; ++i) {
            sonde.setAngleRoue(angle += pasAngle);
            const long avant = CompteurAllocations::allocations();
            imagesRoue.ajouter(image(roue));
            allocations += CompteurAllocations::allocations() - avant;
        }
        for (int i = 0; i < parBloc; ++i) {
            const long avant = CompteurAllocations::allocations();
            imagesNues.ajouter(image(nue));
            allocationsNu += CompteurAllocations::allocations() - avant;
        }
        QCoreApplication::processEvents();
    }
    const double n = blocs * parBloc;
    allocationsRoue = double(allocations) / n;
    allocationsNues = double(allocationsNu) / n;
    envoisParImage = double(CompteurTextures::envois() - envois) / n;
    peinturesParImage = double(espion.peintures()) / n;
}

void MesureImages::imprimer(double cibleMs) const
{
    const QString t = QStringLiteral("%1×%2").arg(taille.width()).arg(taille.height());
    const double med = imagesRoue.mediane();
    const double medNue = imagesNues.mediane();
    const bool cible = cibleMs > 0.0;
    Tableau::imprimer({QStringLiteral("Frame cost, median (ms)"), t, Tableau::nombre(med, 2),
                       Tableau::nombre(medNue, 2), Tableau::rapport(med, medNue),
                       cible ? QStringLiteral("≤ %1").arg(cibleMs) : QString(),
                       cible ? Tableau::verdict(med <= cibleMs) : QString()});
    const double p95 = imagesRoue.centile(95);
    const double p95Nue = imagesNues.centile(95);
    Tableau::imprimer({QStringLiteral("Frame cost, p95 (ms)"), t, Tableau::nombre(p95, 2),
                       Tableau::nombre(p95Nue, 2), Tableau::rapport(p95, p95Nue), {}, {}});
    Tableau::imprimer({QStringLiteral("Heap allocations per frame (all libraries)"), t,
                       Tableau::nombre(allocationsRoue, 1), Tableau::nombre(allocationsNues, 1),
                       {}, {}, {}});
    Tableau::imprimer({QStringLiteral("Texture uploads per frame, after the first"), t,
                       Tableau::nombre(envoisParImage, 2), {}, {}, QStringLiteral("0"),
                       Tableau::verdict(envoisParImage == 0.0)});
    Tableau::imprimer({QStringLiteral("Paints per repaint()"), t,
                       Tableau::nombre(peinturesParImage, 2), {}, {}, QStringLiteral("1"),
                       Tableau::verdict(peinturesParImage == 1.0)});
}
