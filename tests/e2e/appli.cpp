#include "appli.h"

#include "bureau.h"

#include <QRegularExpression>
#include <QtMath>

#include <cmath>
#include <cstdio>

namespace {

// Radius of the circle the pointer follows, inside the smallest wheel.
constexpr double rayonGeste = 250;
// Between screenshots while waiting for the window to settle: each one
// keeps the display server busy, and the program with it.
constexpr int intervalleImmobile = 200;

// Signed angle, in degrees, from a to b around the origin, with y upwards.
double angleEntre(const QPoint &a, const QPoint &b)
{
    return qRadiansToDegrees(std::atan2(double(a.x()) * b.y() - double(a.y()) * b.x(),
                                        double(a.x()) * b.x() + double(a.y()) * b.y()));
}

} // namespace

Appli::Appli(const Bureau &bureau)
    : bureau(bureau),
      env(),
      programme(),
      fenetre(),
      sortie()
{
}

Appli::~Appli()
{
    programme.arreter();
    std::fputs(messages().constData(), stderr);
}

bool Appli::demarrer(const QString &dossierTravail, const QStringList &commande)
{
    programme.setProcessEnvironment(environnement());
    programme.setWorkingDirectory(dossierTravail);
    programme.setProcessChannelMode(QProcess::MergedChannels);
    programme.start(commande.first(), commande.mid(1));
    if (!programme.waitForStarted(10000))
        return false;
    const QString pid = QString::number(programme.processId());
    // The GL surface and the button over it are native windows of the
    // program too: the window is the one the window manager manages.
    const bool visible = Bureau::attendre([&] {
        QByteArray trouvees;
        xdotool({"search", "--onlyvisible", "--pid", pid}, &trouvees);
        for (const QByteArray &id : trouvees.split('\n')) {
            QByteArray etat;
            if (!id.isEmpty() && bureau.executer("xprop", {"-id", id, "WM_STATE"}, &etat)
                && etat.contains("Normal")) {
                fenetre = QString::fromLatin1(id);
                return true;
            }
        }
        return !enMarche();
    }, 20000);
    // Shown once the wheel is drawn.
    return visible && enMarche() && Bureau::attendre([this] { return ecran().partFond() < 0.5; }, 20000);
}

bool Appli::enMarche() const
{
    return programme.state() == QProcess::Running;
}

QProcessEnvironment &Appli::environnement()
{
    // The desktop's, once it runs.
    if (env.isEmpty())
        env = bureau.environnement();
    return env;
}

QByteArray Appli::messages()
{
    if (programme.isOpen())
        sortie += programme.readAll();
    return sortie;
}

QString Appli::titre() const
{
    QByteArray nom;
    xdotool({"getwindowname", fenetre}, &nom);
    return QString::fromUtf8(nom).trimmed();
}

bool Appli::aUneIcone() const
{
    QByteArray icone;
    return bureau.executer("xprop", {"-id", fenetre, "_NET_WM_ICON"}, &icone) && icone.contains("Icon (");
}

QRect Appli::geometrie() const
{
    QByteArray texte;
    if (!bureau.executer("xwininfo", {"-id", fenetre}, &texte))
        return QRect();
    const auto valeur = [&](const char *cle) {
        const QRegularExpression motif(QString::fromLatin1(cle) + ":\\s*(-?\\d+)");
        return motif.match(QString::fromLatin1(texte)).captured(1).toInt();
    };
    return QRect(valeur("Absolute upper-left X"), valeur("Absolute upper-left Y"),
                 valeur("Width"), valeur("Height"));
}

Ecran Appli::ecran() const
{
    const QRect g = geometrie();
    const QImage ecran = bureau.capture();
    if (g.isEmpty() || ecran.isNull())
        return Ecran();
    return Ecran(ecran.copy(g));
}

Ecran Appli::ecranImmobile(int delaiMs, double *dernierMouvement) const
{
    double instant = Bureau::horloge();
    Ecran avant = ecran();
    double mouvement = instant;
    const bool immobile = Bureau::attendre([&] {
        const double debut = Bureau::horloge();
        const Ecran apres = ecran();
        if (apres == avant)
            return !apres.isNull();
        // It changed after the previous screenshot began.
        mouvement = instant;
        instant = debut;
        avant = apres;
        return false;
    }, delaiMs, intervalleImmobile);
    if (dernierMouvement)
        *dernierMouvement = mouvement;
    return immobile ? avant : Ecran();
}

Appli::Geste Appli::glisser(double depart, double angle, double pas, double dernierPas) const
{
    const QRect g = geometrie();
    const QPoint centre(g.width() / 2, g.height() / 2);
    // Points relative to the centre, y upwards, as the wheel sees them.
    const auto point = [](double degres) {
        const double t = qDegreesToRadians(degres);
        return QPoint(qRound(rayonGeste * std::cos(t)), qRound(rayonGeste * std::sin(t)));
    };
    const auto versEcran = [&](const QPoint &p) {
        const QPoint q = g.topLeft() + centre + QPoint(p.x(), -p.y());
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
        const bool dernier = i + 1 == chemin.size();
        // Alone in its own event, the last move is not merged with others.
        commandes << "sleep" << QString::number(dernier ? 0.5 : 0.02) << versEcran(chemin[i]);
        geste.dernierPas = angleEntre(chemin[i - 1], chemin[i]);
        geste.angle += geste.dernierPas;
    }
    commandes << "sleep" << "0.2" << "mouseup" << "1";
    return xdotool(commandes) ? geste : Geste{qQNaN(), qQNaN()};
}

bool Appli::cliquer(const QPoint &point) const
{
    const QPoint p = geometrie().topLeft() + point;
    return xdotool({"mousemove", QString::number(p.x()), QString::number(p.y()), "sleep", "0.1", "click", "1"});
}

bool Appli::redimensionner(const QSize &taille) const
{
    const QRect avant = geometrie();
    if (!xdotool({"windowsize", fenetre, QString::number(taille.width()), QString::number(taille.height())}))
        return false;
    // The window manager answers with the size it allows, if any change.
    Bureau::attendre([&] { return geometrie() != avant; }, 2000);
    return true;
}

int Appli::fermer()
{
    // The window manager's close key, as on a desktop.
    if (!xdotool({"windowactivate", "--sync", fenetre, "key", "--clearmodifiers", "alt+F4"})
        || !programme.waitForFinished(15000) || programme.exitStatus() != QProcess::NormalExit)
        return -1;
    return programme.exitCode();
}

bool Appli::xdotool(const QStringList &arguments, QByteArray *sortie) const
{
    return bureau.executer("xdotool", arguments, sortie);
}
