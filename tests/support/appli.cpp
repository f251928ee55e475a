#include "appli.h"

#include "essais.h"
#include "zoneroue.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QtMath>

#include <cmath>
#include <cstdio>
#include <utility>

Appli::~Appli()
{
    programme.kill();
    programme.waitForFinished(5000);
    std::fputs(messages().constData(), stderr);
}

bool Appli::demarrer(const QString &dossierTravail, const QStringList &commande)
{
    programme.setProcessEnvironment(env);
    programme.setWorkingDirectory(dossierTravail);
    programme.setProcessChannelMode(QProcess::MergedChannels);
    programme.start(commande.first(), commande.mid(1));
    // The window the desktop's window manager shows for the process.
    QByteArray id;
    const bool visible =
        programme.waitForStarted(10000) && bureau({"fenetre", QString::number(programme.processId())}, &id);
    fenetre = QString::fromLatin1(id.trimmed());
    // Shown once the first frame is on the screen.
    return visible && enMarche()
           && attendre(
               [this] {
                   const QImage e = ecran();
                   return !e.isNull() && e.pixel(0, e.height() - 1) == grisFond;
               },
               20000);
}

QByteArray Appli::messages()
{
    if (programme.isOpen())
        sortie += programme.readAll();
    return sortie;
}

QByteArray Appli::reponse(const char *commande) const
{
    QByteArray texte;
    bureau({commande, fenetre}, &texte);
    return texte;
}

QRect Appli::geometrie() const
{
    const QList<QByteArray> g = reponse("geometrie").simplified().split(' ');
    return g.size() == 4 ? QRect(g[0].toInt(), g[1].toInt(), g[2].toInt(), g[3].toInt()) : QRect();
}

QImage Appli::ecranImmobile()
{
    immobileDepuis = std::chrono::steady_clock::now();
    QImage avant = ecran();
    // Each screenshot keeps the display server busy, and the program with it.
    const bool immobile = attendre(
        [&] {
            const auto debut = std::chrono::steady_clock::now();
            const QImage apres = ecran();
            immobileDepuis = apres == avant ? immobileDepuis : debut;
            return !apres.isNull() && std::exchange(avant, apres) == apres;
        },
        120000, 200);
    return immobile ? avant : QImage();
}

Appli::Geste Appli::glisser(double depart, double angle, double pas, double dernierPas) const
{
    const QRect g = geometrie();
    const int rayon = g.height() / 2;
    // Points relative to the centre, counter-clockwise on the screen, on a
    // circle at a fixed share of the wheel's radius.
    const auto point = [&](double degres) {
        const double t = qDegreesToRadians(degres), r = 0.62 * rayon;
        return QPoint(qRound(r * std::cos(t)), -qRound(r * std::sin(t)));
    };
    const auto versEcran = [&](const QPoint &p) {
        const QPoint q = g.topLeft() + QPoint(g.width() / 2, g.height() / 2) + p;
        return QStringList{"mousemove", QString::number(q.x()), QString::number(q.y())};
    };
    const double sens = angle < 0 ? -1 : 1;
    const double finGlisse = depart + angle - sens * dernierPas;
    QVector<QPoint> chemin{point(depart)};
    for (double a = depart + sens * pas; sens * (finGlisse - a) > 0; a += sens * pas)
        chemin << point(a);
    chemin << point(finGlisse) << point(depart + angle);

    QStringList commandes = versEcran(chemin.first()) + QStringList{"sleep", "0.1", "mousedown", "1"};
    Geste geste{0, 0};
    for (int i = 1; i < chemin.size(); ++i) {
        // Alone in its own event, the last move is not merged with others.
        commandes << "sleep" << (i + 1 == chemin.size() ? "0.5" : "0.02") << versEcran(chemin[i]);
        geste.dernierPas = angleSigne(chemin[i - 1], chemin[i]);
        geste.angle += geste.dernierPas;
    }
    commandes += QStringList{"sleep", "0.2", "mouseup", "1"};
    return bureau(QStringList{"pointeur"} + commandes) ? geste : Geste{qQNaN(), qQNaN()};
}

void Appli::cliquer(const QPoint &point) const
{
    const QPoint p = geometrie().topLeft() + point;
    bureau({"pointeur", "mousemove", QString::number(p.x()), QString::number(p.y()), "sleep", "0.1", "click",
            "1"});
}

int Appli::fermer()
{
    // The sanitized program's leak check at exit can take seconds on a
    // loaded machine.
    const bool fini = bureau({"fermer", fenetre}) && programme.waitForFinished(30000)
                      && programme.exitStatus() == QProcess::NormalExit;
    return fini ? programme.exitCode() : -1;
}

bool Appli::bureau(const QStringList &arguments, QByteArray *sortie)
{
    QProcess p;
    // What went wrong reaches the test's log.
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start("sh", QStringList{QStringLiteral(DRAVOUNE_BUREAU_SH), arguments.first(),
                              qEnvironmentVariable("DRAVOUNE_BUREAU")}
                      + arguments.mid(1));
    // A window takes up to 20 s to show on a busy machine, and on Wayland
    // up to 15 s more to be moved into place.
    if (!p.waitForFinished(60000))
        return false;
    if (sortie)
        *sortie = p.readAllStandardOutput();
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool Appli::attendre(const std::function<bool()> &condition, int delaiMs, int intervalleMs)
{
    QElapsedTimer chrono;
    chrono.start();
    while (!condition()) {
        if (chrono.elapsed() > delaiMs)
            return false;
        QCoreApplication::processEvents();
        QThread::msleep(intervalleMs);
    }
    return true;
}
