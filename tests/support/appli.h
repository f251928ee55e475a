#ifndef APPLI_H
#define APPLI_H

#include <QImage>
#include <QProcess>

#include <chrono>
#include <functional>

// The built program on the desktop that the test runs on, X or Wayland,
// handled as a person would: the real pointer through xdotool, the screen
// through screenshots.
class Appli
{
public:
    // What a drag did, from the pixels the pointer really went through.
    struct Geste
    {
        double angle;      // swept around the centre, counter-clockwise positive
        double dernierPas; // the last move's share of it
    };

    // Passes on what the program printed, for the test's log.
    ~Appli();

    // Starts the command, the built program unless told otherwise, in the
    // given working directory, and waits until its window shows. A command
    // that wraps the program must leave it the process's pid.
    bool demarrer(const QString &dossierTravail,
                  const QStringList &commande = {QStringLiteral(DRAVOUNE_PROGRAMME)});
    // The environment demarrer() gives the program: the test's own, unless
    // changed before.
    QProcessEnvironment &environnement() { return env; }
    // Whatever the program has printed so far, on either channel.
    QByteArray messages();
    qint64 pid() const { return programme.processId(); }
    bool enMarche() const { return programme.state() == QProcess::Running; }

    QString titre() const { return QString::fromUtf8(reponse("titre")).trimmed(); }
    // Whether the desktop can show the window's icon.
    bool icone() const { return bureau({"icone", fenetre}); }
    // The window's inside, in the pointer's coordinates.
    QRect geometrie() const;
    QImage ecran() const
    {
        return QImage::fromData(reponse("photo"), "PPM").convertToFormat(QImage::Format_RGB32);
    }
    // The window once two screenshots in a row agree; null if it never
    // settles. immobileDepuis: when the screenshot that first showed it began.
    QImage ecranImmobile();
    std::chrono::steady_clock::time_point immobileDepuis;

    // Presses on the wheel at angle depart (degrees, counter-clockwise from
    // three o'clock, at a fixed share of the wheel's radius), drags along a
    // circle by steps of pas, pauses, makes a last move of dernierPas to end
    // angle degrees further, and releases.
    Geste glisser(double depart, double angle, double pas, double dernierPas) const;
    // A click at a point of the window.
    void cliquer(const QPoint &point) const;
    // Closes the window as its user would; the exit code, or -1 when the
    // process does not end by itself.
    int fermer();

    // Runs a command of the desktop's script (bureau.sh) on it to its end;
    // false if it fails or outlasts a minute.
    static bool bureau(const QStringList &arguments, QByteArray *sortie = nullptr);
    // Polls the condition every intervalleMs until it holds or delaiMs have passed.
    static bool attendre(const std::function<bool()> &condition, int delaiMs, int intervalleMs = 20);

private:
    // What the desktop's script answers to a command about the window.
    QByteArray reponse(const char *commande) const;

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    QProcess programme;
    QString fenetre;
    QByteArray sortie;
};

#endif
