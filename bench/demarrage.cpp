#include "demarrage.h"

#include "tempscpu.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QtMath>

namespace {

constexpr QRgb grisEfface = 0xfff0f0f0;

QRgb lirePixel(const QPoint &p)
{
    return QGuiApplication::primaryScreen()->grabWindow(0, p.x(), p.y(), 1, 1)
        .toImage().pixel(0, 0);
}

void xdotool(const QStringList &arguments)
{
    QProcess::execute(QStringLiteral("xdotool"), arguments);
}

} // namespace

Demarrage::Demarrage(const QStringList &commande, const QPoint &pixel)
    : commande(commande), pixel(pixel), processus()
{
    // The program finds its tick beside it.
    processus.setWorkingDirectory(QFileInfo(commande.first()).absolutePath());
    processus.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    processus.setStandardOutputFile(QProcess::nullDevice());
}

Demarrage::~Demarrage()
{
    arreter();
}

double Demarrage::lancer()
{
    if (lirePixel(pixel) == grisEfface)
        qFatal("the pixel shows the grey before any window");
    QElapsedTimer horloge;
    horloge.start();
    processus.start(commande.first(), commande.mid(1));
    while (horloge.elapsed() < 20000) {
        if (lirePixel(pixel) == grisEfface)
            return double(horloge.nsecsElapsed()) / 1e6;
        QThread::usleep(500);
    }
    return -1.0;
}

void Demarrage::lancerLaRoue()
{
    // A drag a quarter turn round the centre of the 800 × 800 window, whose
    // last step of about 10 degrees becomes the speed of the coast.
    QStringList glisser{QStringLiteral("mousemove"), QStringLiteral("600"), QStringLiteral("400"),
                        QStringLiteral("mousedown"), QStringLiteral("1")};
    for (int degres = 10; degres <= 90; degres += 10) {
        const double a = qDegreesToRadians(double(degres));
        glisser << QStringLiteral("sleep") << QStringLiteral("0.02")
                << QStringLiteral("mousemove") << QString::number(qRound(400 + 200 * qCos(a)))
                << QString::number(qRound(400 - 200 * qSin(a)));
    }
    glisser << QStringLiteral("mouseup") << QStringLiteral("1");
    xdotool(glisser);
}

double Demarrage::attendreLeRepos(int limiteMs)
{
    QElapsedTimer horloge;
    horloge.start();
    const pid_t pid = pid_t(processus.processId());
    double avant = tempsCpuProcessus(pid);
    while (horloge.elapsed() < limiteMs) {
        QThread::msleep(250);
        const double apres = tempsCpuProcessus(pid);
        if (apres - avant < 0.25 / 20.0)
            break;
        avant = apres;
    }
    return double(horloge.elapsed());
}

long Demarrage::memoireCreteKo() const
{
    return ::memoireCreteKo(pid_t(processus.processId()));
}

void Demarrage::arreter()
{
    if (processus.state() == QProcess::NotRunning)
        return;
    processus.terminate();
    if (!processus.waitForFinished(5000)) {
        processus.kill();
        processus.waitForFinished(5000);
    }
    // Let the display take the window down before the next start.
    QThread::msleep(300);
}
