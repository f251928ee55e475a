#include "demarrage.h"

#include "tempscpu.h"
#include "zoneroue.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QThread>

namespace {

QRgb lirePixel(const QPoint &p)
{
    return QGuiApplication::primaryScreen()->grabWindow(0, p.x(), p.y(), 1, 1).toImage().pixel(0, 0);
}

} // namespace

Demarrage::Demarrage(const QStringList &commande, const QPoint &origine, const QPoint &pixel)
    : commande(commande),
      pixel(origine + pixel),
      processus()
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
    // The window of the previous start may still be going.
    for (int i = 0; lirePixel(pixel) == grisFond; ++i) {
        if (i == 100)
            qFatal("the pixel shows the grey before any window");
        QThread::msleep(50);
    }
    QElapsedTimer horloge;
    horloge.start();
    processus.start(commande.first(), commande.mid(1));
    while (horloge.elapsed() < 20000) {
        if (lirePixel(pixel) == grisFond)
            return double(horloge.nsecsElapsed()) / 1e6;
        QThread::usleep(500);
    }
    return -1.0;
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
