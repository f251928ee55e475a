#include "bureau.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <chrono>

Bureau::Bureau()
    : temporaire(),
      env(QProcessEnvironment::systemEnvironment()),
      message(),
      affichage(),
      gestionnaire(),
      audio(),
      silence()
{
}

bool Bureau::demarrer()
{
    if (!temporaire.isValid())
        return echouer("no temporary directory");
    for (const char *nom : {"WAYLAND_DISPLAY", "PULSE_SINK", "PULSE_SOURCE", "DBUS_SESSION_BUS_ADDRESS"})
        env.remove(nom);
    const QString maison = dossier() + "/home";
    const QString execution = dossier() + "/run";
    QDir().mkpath(maison);
    QDir().mkpath(execution);
    QFile::setPermissions(execution, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    env.insert("HOME", maison);
    env.insert("XDG_RUNTIME_DIR", execution);
    env.insert("PULSE_SERVER", "unix:" + execution + "/pulse/native");
    env.insert("QT_QPA_PLATFORM", "xcb");
    return demarrerAffichage() && demarrerAudio();
}

QString Bureau::erreur() const
{
    return message;
}

QProcessEnvironment Bureau::environnement() const
{
    return env;
}

void Bureau::adopter() const
{
    for (const char *nom : {"DISPLAY", "XDG_RUNTIME_DIR", "PULSE_SERVER", "QT_QPA_PLATFORM"})
        qputenv(nom, env.value(nom).toLocal8Bit());
}

QString Bureau::dossier() const
{
    return temporaire.path();
}

bool Bureau::executer(const QString &programme, const QStringList &arguments,
                      QByteArray *sortie, int delaiMs) const
{
    Processus p;
    p.setProcessEnvironment(env);
    p.start(programme, arguments);
    if (!p.waitForFinished(delaiMs))
        return false;
    if (sortie)
        *sortie = p.readAllStandardOutput();
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

QImage Bureau::capture() const
{
    QByteArray image;
    if (!executer("import", {"-window", "root", "ppm:-"}, &image))
        return QImage();
    return QImage::fromData(image, "PPM").convertToFormat(QImage::Format_RGB32);
}

double Bureau::horloge()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

bool Bureau::attendre(const std::function<bool()> &condition, int delaiMs, int intervalleMs)
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

bool Bureau::lancer(Processus &processus, const QString &journal,
                    const QString &programme, const QStringList &arguments)
{
    processus.setProcessEnvironment(env);
    processus.setStandardErrorFile(dossier() + '/' + journal);
    processus.start(programme, arguments);
    return processus.waitForStarted(10000)
        || echouer(programme + " does not start: " + processus.errorString());
}

bool Bureau::demarrerAffichage()
{
    // Xvfb picks a free display number and writes it to its standard output.
    if (!lancer(affichage, "xvfb.log", "Xvfb",
                {"-displayfd", "1", "-screen", "0",
                 "1280x1024x24", "-nolisten", "tcp", "-noreset"}))
        return false;
    if (!attendre([this] { return affichage.canReadLine() || affichage.waitForReadyRead(100); }, 15000))
        return echouer("Xvfb gives no display number");
    env.insert("DISPLAY", ':' + QString::fromLatin1(affichage.readLine().trimmed()));

    // A window manager, so that size hints and close requests work as on a desktop.
    if (!lancer(gestionnaire, "openbox.log", "openbox", {}))
        return false;
    QByteArray wm;
    const bool gere = attendre([&] {
        return executer("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}, &wm)
            && wm.contains("window id");
    }, 15000);
    return gere || echouer("the window manager does not start");
}

bool Bureau::demarrerAudio()
{
    if (!lancer(audio, "pulseaudio.log", "pulseaudio",
                {"-n", "--daemonize=no", "--exit-idle-time=-1",
                 "--load=module-null-sink sink_name=nul",
                 "--load=module-native-protocol-unix auth-anonymous=1"}))
        return false;
    if (!attendre([this] { return executer("pactl", {"info"}); }, 15000))
        return echouer("the audio server does not answer");

    if (!lancer(silence, "pacat.log", "pacat",
                {"--playback", "/dev/zero"}))
        return false;
    QByteArray puits;
    const bool occupe = attendre([&] {
        return executer("pactl", {"list", "short", "sinks"}, &puits)
            && puits.contains("RUNNING");
    }, 15000);
    return occupe || echouer("the silent stream does not play");
}

bool Bureau::echouer(const QString &texte)
{
    message = texte + " (logs in " + dossier() + ')';
    temporaire.setAutoRemove(false);
    return false;
}
