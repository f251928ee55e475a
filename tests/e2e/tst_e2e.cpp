#include "appli.h"
#include "cinematique.h"
#include "enregistrement.h"
#include "essais.h"
#include "sonde.h"
#include "zoneroue.h"

#include <QtTest>

#include <cmath>
#include <memory>

#include <unistd.h>

namespace {

// Degrees within which a turn seen on the screen matches the drag.
constexpr double tolerance = 1.5;
// The wheel is read along circles in its bands, clear of the hub, the
// logo and the button, at shares of its radius, every quarter degree.
constexpr double rayons[] = {0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9};
constexpr int nAngles = 1440;

QVector<QRgb> anneaux(const QImage &ecran)
{
    QVector<QRgb> a;
    // The wheel's centre and radius, whole pixels as the widget has them.
    const QPoint centre(ecran.width() / 2, ecran.height() / 2);
    const int rayon = ecran.height() / 2;
    for (double r : rayons)
        for (int i = 0; i < nAngles; ++i) {
            const double t = 2 * M_PI * i / nAngles;
            const QPointF p = centre + r * rayon * QPointF(std::cos(t), -std::sin(t));
            a << ecran.pixel(p.toPoint());
        }
    return a;
}

int difference(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// How far the wheel turned from one screenshot to the other, in degrees,
// counter-clockwise positive: the shift of the circles that matches best.
// The fixed legend only adds the same cost to every wrong shift.
double tourEntre(const QImage &avant, const QImage &apres)
{
    const QVector<QRgb> a = anneaux(avant), b = anneaux(apres);
    QVector<qint64> cout(nAngles);
    for (int decalage = 0; decalage < nAngles; ++decalage)
        for (int k = 0; k < a.size(); ++k)
            cout[decalage] += difference(a[k], b[k - k % nAngles + (k + decalage) % nAngles]);
    const int m = int(std::min_element(cout.begin(), cout.end()) - cout.begin());
    return (m > nAngles / 2 ? m - nAngles : m) * 360.0 / nAngles;
}

// Share of the circles' samples that show the plain background.
double partFond(const QImage &ecran)
{
    const QVector<QRgb> a = anneaux(ecran);
    return double(std::count_if(a.begin(), a.end(), [](QRgb c) { return difference(c, grisFond) <= 6; }))
           / double(a.size());
}

// The traced calls, all successful, that made, removed or opened for
// writing a file outside /dev, whose nodes are no files (the program opens
// /dev/null read-write), and /proc, the kernel's view of the process; and
// the traces that strace, which may outlive the program, has not yet ended
// with the thread's exit.
QStringList ecritures(const QString &dossier)
{
    static const QRegularExpression ecriture(QStringLiteral(
        R"(^(?!open)\w+.*[( ]"(?!/dev/|/proc/)|^open.*[( ]"(?!/dev/|/proc/).*O_(WRONLY|RDWR|CREAT|TRUNC|APPEND))"));
    QStringList trouvees;
    for (const QFileInfo &trace : QDir(dossier).entryInfoList(QDir::Files)) {
        const QStringList lignes = QString::fromUtf8(lire(trace.filePath())).trimmed().split('\n');
        trouvees << lignes.filter(ecriture);
        if (!lignes.last().startsWith("+++"))
            trouvees << trace.fileName() + " unfinished";
    }
    return trouvees;
}

} // namespace

// The program on a real X display with a window manager and a real audio
// server, used with the real pointer, watched and listened to.
class TestE2e : public QObject
{
    Q_OBJECT

private slots:
    void titreIconeEtRoue()
    {
        QVERIFY(lancer());
        QCOMPARE(appli->titre(), QStringLiteral("Dravoune"));
        QVERIFY(appli->icone());
        // A kiosk shows it over the whole screen.
        if (qgetenv("COQUILLE") == "kiosk")
            QCOMPARE(appli->geometrie(), QRect(0, 0, qEnvironmentVariableIntValue("LARGEUR"),
                                               qEnvironmentVariableIntValue("HAUTEUR")));
        QCOMPARE(appli->ecran().pixel(0, 0), grisFond);
        QVERIFY2(partFond(appli->ecranImmobile()) < 0.1, "no wheel");
    }

    void glisser_data()
    {
        QTest::addColumn<double>("depart");
        QTest::addColumn<double>("angle");
        QTest::newRow("counter-clockwise") << 200.0 << 60.0;
        QTest::newRow("under the legend") << 60.0 << 90.0;
    }

    // A slow drag whose last move is under a degree turns the wheel by the
    // angle swept and leaves it there; it ticks every 30° or so, less when
    // a busy machine bunches the moves and a tick cuts the one before.
    void glisser()
    {
        QFETCH(double, depart);
        QFETCH(double, angle);
        QVERIFY(lancer());
        const QImage repos = appli->ecranImmobile();
        Enregistrement enregistrement;
        QVERIFY(enregistrement.demarrer());
        const Appli::Geste geste = appli->glisser(depart, angle, 1, 0.5);
        QVERIFY(qAbs(geste.dernierPas) < 1);
        const double tour = tourEntre(repos, appli->ecranImmobile());
        QVERIFY2(qAbs(tour - geste.angle) <= tolerance,
                 qPrintable(QString("turned %1 for %2 swept").arg(tour).arg(geste.angle)));
        const auto tics = enregistrement.attaques().size();
        QVERIFY2(tics >= 1 && tics <= qAbs(geste.angle) / 30 + 1, qPrintable(QString("%1 ticks").arg(tics)));
    }

    // A fast last move launches the wheel, which coasts for seconds and
    // stops. One click on the button mutes the coast, a press on the wheel
    // stops it before its closing tick; a second click brings the ticks back,
    // and the wheel, left alone, comes to rest where the spin model puts it,
    // in its own time however slowly the desktop shows the frames.
    void elanEtBasculeDuSon()
    {
        QVERIFY(lancer());
        for (const bool actif : {false, true}) {
            const QImage repos = appli->ecranImmobile();
            // The button: the ticks heard below tell what it did.
            appli->cliquer(QPoint(64, 64));
            Enregistrement enregistrement;
            QVERIFY(enregistrement.demarrer());
            const Appli::Geste geste = appli->glisser(0, 20, 2, 5.5);
            const auto lache = std::chrono::steady_clock::now();
            QVERIFY(geste.dernierPas >= 5);
            // Muted, it is stopped after its first ticks would have come.
            if (!actif)
                appli->cliquer(QPoint(repos.width() / 2, repos.height() / 3));
            const QImage arretee = appli->ecranImmobile();
            QVERIFY2(!arretee.isNull(), "the wheel does not stop");
            const auto tics = enregistrement.attaques().size();
            QVERIFY2(actif ? tics >= 3 : tics == 0, qPrintable(QString("%1 ticks").arg(tics)));
            // A press may stop it within the tolerance of a whole turn: only
            // the very same picture is back at rest.
            QVERIFY2(arretee != repos, "the wheel is back at rest");
            if (!actif)
                continue;
            float angle = float(geste.angle), vitesse = std::trunc(float(geste.dernierPas));
            int images = 0;
            while (rattraper(angle, vitesse, images, (images + 1LL) * periodeImage)) {}
            const double duree = std::chrono::duration<double>(appli->immobileDepuis - lache).count();
            QVERIFY2(duree <= 1.3 * images * periodeImage / 1000, qPrintable(QString("%1 s").arg(duree)));
            QVERIFY(qAbs(std::remainder(tourEntre(repos, arretee) - angle, 360.0)) <= tolerance);
        }
    }

    // With two screen pixels to a point, the window opens twice as large
    // and the wheel fills it.
    void echelleDouble()
    {
        Appli double_;
        double_.environnement().insert("QT_SCALE_FACTOR", "2");
        QVERIFY(double_.demarrer(QStringLiteral(DRAVOUNE_DOSSIER_TIC)));
        const QImage ecran = double_.ecranImmobile();
        QVERIFY2(ecran.width() >= 1600 && ecran.height() >= 1600,
                 qPrintable(QString("%1 x %2").arg(ecran.width()).arg(ecran.height())));
        QVERIFY2(partFond(ecran) < 0.1, "no wheel");
        QCOMPARE(double_.fermer(), 0);
    }

    // Every tick a coast plays is heard, the closing one after seconds of
    // silence included: the wheel runs in this process, with its real
    // sound, so that its tick timer tells how many were played.
    void chaqueTicEntendu()
    {
        // The shared program's wheel may look still while it creeps on, its
        // closing tick seconds away: only this wheel may play.
        appli.reset();
        ZoneRoue roue(QStringLiteral(DRAVOUNE_DOSSIER_TIC "/" DRAVOUNE_TIC), nullptr);
        roue.resize(800, 800);
        roue.show();
        QVERIFY(QTest::qWaitForWindowExposed(&roue));
        Sonde sonde(roue);
        int joues = 0;
        connect(&sonde.ticTimer(), &QTimer::timeout, &roue, [&joues] { ++joues; });
        Enregistrement enregistrement;
        QVERIFY(enregistrement.demarrer());
        roue.declencher(10);
        QTRY_VERIFY_WITH_TIMEOUT(!sonde.ticTimer().isActive(), 120000);
        QTest::qWait(500);
        QCOMPARE(enregistrement.attaques().size(), joues);
    }

    // What stands where the tick file should be: the tick, extended with a
    // hole to a size if one is given, or what the name says. The reader's
    // own refusals, file by file, are tst_son's.
    void fichierTic_data()
    {
        QTest::addColumn<QString>("genre");
        QTest::addColumn<qint64>("taille");
        QTest::addColumn<bool>("sonore");
        QTest::newRow("its tick") << "file" << qint64(0) << true;
        // The others read the file as on X.
        if (QGuiApplication::platformName() == QLatin1String("wayland"))
            return;
        QTest::newRow("missing") << "missing" << qint64(0) << false;
        QTest::newRow("unreadable") << "unreadable" << qint64(0) << false;
        QTest::newRow("50 MB") << "file" << (qint64(50) << 20) << false;
    }

    // Started with the desktop's empty home directory, without the power
    // of root over file permissions, and with a tick file of any kind, the
    // program shows its wheel, turns, ticks only if the file holds a sound,
    // closes cleanly while coasting, and neither prints nor writes
    // anything. In the sanitized build the sanitizers print any leak or
    // memory error.
    void fichierTic()
    {
        QFETCH(QString, genre);
        QFETCH(qint64, taille);
        QFETCH(bool, sonore);
        const QByteArray contenu = lire(QStringLiteral(DRAVOUNE_DOSSIER_TIC "/" DRAVOUNE_TIC));
        QTemporaryDir racine;
        const QString travail = racine.filePath("travail"), traces = racine.filePath("traces");
        QFile tic(travail + "/" DRAVOUNE_TIC);
        QVERIFY(QDir().mkpath(QFileInfo(tic).path()) && QDir().mkpath(traces));
        if (genre != "missing")
            QVERIFY(tic.open(QIODevice::WriteOnly) && tic.write(contenu) == contenu.size()
                    && (taille == 0 || tic.resize(taille))
                    && (genre == "file" || tic.setPermissions(QFile::Permissions())));
        tic.close();

        Appli autre;
        // Mesa, and Qt 6, keep the shaders they compile in the cache directory.
        autre.environnement().insert("MESA_SHADER_CACHE_DISABLE", "true");
        autre.environnement().insert("QT_DISABLE_SHADER_DISK_CACHE", "1");
        QStringList commande{QStringLiteral(DRAVOUNE_PROGRAMME)};
#ifndef __SANITIZE_ADDRESS__
        // strace -D leaves the program the process's pid and exit code; it
        // traces only the successful calls that make, remove or open files,
        // so that the program runs at nearly its own speed. LeakSanitizer,
        // in the sanitized build, cannot work under it.
        const QString appels =
            QStringLiteral("trace=open,openat,creat,truncate,mkdir,mkdirat,rename,renameat,"
                           "renameat2,unlink,unlinkat,link,linkat,symlink,symlinkat");
        commande =
            QStringList{"strace", "-D", "-ff", "-z", "--seccomp-bpf", "-o", traces + "/t", "-e", appels}
            + commande;
#endif
        // Root would read the unreadable file: without these capabilities it
        // obeys the permissions.
        if (::geteuid() == 0)
            commande = QStringList{"setpriv", "--bounding-set=-dac_override,-dac_read_search"} + commande;
        QVERIFY(autre.demarrer(travail, commande));
        const QImage repos = autre.ecranImmobile();
        QVERIFY(partFond(repos) < 0.1);

        Enregistrement enregistrement;
        QVERIFY(enregistrement.demarrer());
        const Appli::Geste geste = autre.glisser(0, 100, 4.5, 5.5);
        QVERIFY(geste.dernierPas >= 5);
        QTest::qWait(1000);
        QVERIFY2(autre.ecran() != repos, "the wheel does not turn");
        const auto tics = enregistrement.attaques().size();
        QVERIFY2(sonore ? tics > 0 : tics == 0, qPrintable(QString("%1 ticks").arg(tics)));
        QCOMPARE(autre.fermer(), 0);
        QVERIFY2(autre.messages().isEmpty(), autre.messages().constData());
        QTRY_VERIFY2(ecritures(traces).isEmpty(), qPrintable(ecritures(traces).join('\n')));
    }

private:
    // The program that the functions share, started by the first of them
    // that finds it closed: each runs alone and in any order.
    bool lancer()
    {
        if (appli && appli->enMarche())
            return true;
        appli = std::make_unique<Appli>();
        return appli->demarrer(QStringLiteral(DRAVOUNE_DOSSIER_TIC));
    }

    std::unique_ptr<Appli> appli;
};

QTEST_MAIN(TestE2e)
#include "tst_e2e.moc"
