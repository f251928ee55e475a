#include "fenetrenue.h"
#include "mesureglissade.h"
#include "mesureimages.h"
#include "roueseule.h"
#include "zoneroue.h"

#include <QApplication>
#include <QTextStream>
#include <qopengl.h>

#include <cstdio>

namespace {

// The renderer and its version, for the machine line of the results:
// the context of the last frame is current.
void decrireRendu()
{
    QTextStream(stderr) << "gl: " << reinterpret_cast<const char *>(glGetString(GL_RENDERER)) << ", OpenGL "
                        << reinterpret_cast<const char *>(glGetString(GL_VERSION)) << "\n";
}

} // namespace

// In one process, the wheel against the floor window and the wheel picture
// alone: frame cost and a real coast. Prints rows of the results table.
//   banc-images [tick file]     (the built program's tick unless told)
int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QString tic =
        QCoreApplication::arguments().value(1, QStringLiteral(DRAVOUNE_DOSSIER_TIC "/" DRAVOUNE_TIC));

    ZoneRoue roue(tic, nullptr);
    FenetreNue nue;
    RoueSeule seule;

    MesureImages images(roue, nue, seule);
    const std::pair<QSize, double> tailles[] = {
        {QSize(800, 600), 5.0}, {QSize(1280, 960), 0.0}, {QSize(1920, 1080), 10.0}};
    for (const auto &[taille, cible] : tailles) {
        images.mesurer(taille);
        images.imprimer(cible);
    }
    decrireRendu();

    MesureGlissade glissade(roue, nue, seule);
    const std::pair<QSize, double> glissades[] = {{QSize(800, 600), 0.6}, {QSize(1920, 1080), 1.0}};
    for (const auto &[taille, cible] : glissades) {
        glissade.mesurer(taille, 10);
        glissade.imprimer(cible);
    }
    return 0;
}
