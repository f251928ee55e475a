#include "banc.h"

#include "cinematique.h"
#include "essais.h"

#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include <unistd.h>

double centile(std::vector<double> valeurs, double p)
{
    valeurs.erase(std::remove_if(valeurs.begin(), valeurs.end(), [](double v) { return std::isnan(v); }),
                  valeurs.end());
    if (valeurs.empty())
        return std::nan("");
    std::sort(valeurs.begin(), valeurs.end());
    const double rang = std::ceil(p / 100.0 * double(valeurs.size()));
    return valeurs[size_t(std::clamp(rang, 1.0, double(valeurs.size()))) - 1];
}

void ligne(const QStringList &cellules)
{
    QStringList c = cellules;
    while (c.size() < 8)
        c << QString();
    std::printf("| %s |\n", qPrintable(c.replaceInStrings(QRegularExpression("^$"), "–").join(" | ")));
    std::fflush(stdout);
}

QString nombre(double valeur, int decimales)
{
    return QString::number(valeur, 'f', decimales);
}

QString fois(double a, double b)
{
    return nombre(a / b, 2) + QStringLiteral("×");
}

QString verdict(bool atteinte)
{
    return atteinte ? QStringLiteral("yes") : QStringLiteral("**no**");
}

double tempsCpu(qint64 pid)
{
    // The command name may hold spaces: the fields are counted after its
    // ')'. Fields 14 and 15 of the file: utime and stime, in clock ticks.
    const QByteArray stat = lire(QStringLiteral("/proc/%1/stat").arg(pid));
    const QList<QByteArray> champs = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    return double(champs.value(11).toLongLong() + champs.value(12).toLongLong())
           / double(sysconf(_SC_CLK_TCK));
}

double memoireCrete(qint64 pid)
{
    static const QRegularExpression vmhwm(QStringLiteral("VmHWM:\\s*(\\d+) kB"));
    const QString status = QString::fromLatin1(lire(QStringLiteral("/proc/%1/status").arg(pid)));
    return vmhwm.match(status).captured(1).toDouble() / 1024.0;
}

Plancher::Plancher(bool avecRoue)
    : SurfaceGL(nullptr),
      image(avecRoue ? QPixmap(QStringLiteral(":assets/dravoune.png")) : QPixmap())
{
    images.setTimerType(Qt::PreciseTimer);
    images.setInterval(periodeImage);
    connect(&images, &QTimer::timeout, this, [this] {
        angle += 10.0f;
        update();
    });
}

// The surface clears and swaps on its own; the picture is drawn as the
// wheel draws it (zoneroue.cpp).
void Plancher::peindre(QPainter &painter)
{
    if (image.isNull())
        return;
    const int h = height();
    painter.translate(QPoint(width() / 2, h / 2));
    painter.rotate(-double(angle));
    painter.drawPixmap(QRectF(QRect(-(h / 2), -(h / 2), h, h)), image, QRectF());
}
