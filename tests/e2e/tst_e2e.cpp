#include "appli.h"
#include "enregistrement.h"
#include "sonde.h"
#include "zoneroue.h"

#include <QtTest>

namespace {

// Degrees within which a turn seen on the screen matches the drag.
constexpr double tolerance = 1.5;
// A tick broken by a stall of the program, whose stream then runs dry,
// resumes later; this is how far apart, in s, its parts are taken as one.
constexpr double memeTic = 0.1;

} // namespace

// The program on a real X display with a window manager and a real audio
// server, used with the real pointer, watched and listened to.
class TestE2e : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(appli.demarrer(QStringLiteral(DRAVOUNE_DOSSIER_TIC)));
    }

    void cleanupTestCase()
    {
        QCOMPARE(appli.fermer(), 0);
    }

    // The window shows its title, icon and pictures, and keeps its
    // minimum size.
    void fenetre()
    {
        QVERIFY(appli.propriete("WM_NAME").endsWith("= \"Dravoune\""));
        QVERIFY(appli.propriete("_NET_WM_ICON").contains("Icon ("));
        const Ecran ecran = appli.ecranImmobile();
        QVERIFY2(ecran.partFond() < 0.1, "no wheel");
        QVERIFY(ecran.fixesEnPlace());
        QVERIFY(ecran.montreIcone("sound.png"));
        QVERIFY(!ecran.montreIcone("soundoff.png"));
        QVERIFY(appli.redimensionner(QSize(300, 300)));
        const QSize taille = appli.geometrie().size();
        QVERIFY2(taille.width() >= 600 && taille.height() >= 800, qPrintable(QString("%1 x %2").arg(taille.width()).arg(taille.height())));
        QVERIFY(appli.redimensionner(QSize(800, 800)));
    }

    void glisser_data()
    {
        QTest::addColumn<double>("depart");
        QTest::addColumn<double>("angle");
        QTest::newRow("counter-clockwise") << 200.0 << 60.0;
        QTest::newRow("clockwise") << 330.0 << -60.0;
        QTest::newRow("under the legend") << 60.0 << 90.0;
    }

    // A slow drag whose last move is under a degree turns the wheel by the
    // angle swept and leaves it there; it ticks every 30° or so, less when
    // a busy machine bunches the moves and a tick cuts the one before.
    void glisser()
    {
        QFETCH(double, depart);
        QFETCH(double, angle);
        const Ecran repos = appli.ecranImmobile();
        Enregistrement enregistrement;
        QVERIFY(enregistrement.demarrer());
        const Appli::Geste geste = appli.glisser(depart, angle, 1, 0.5);
        QVERIFY(qAbs(geste.dernierPas) < 1);
        const Ecran apres = appli.ecranImmobile();
        const double tour = apres.tourDepuis(repos);
        QVERIFY2(qAbs(tour - geste.angle) <= tolerance, qPrintable(QString("turned %1 for %2 swept").arg(tour).arg(geste.angle)));
        QVERIFY(apres.fixesEnPlace());
        const int tics = enregistrement.attaques(memeTic).size();
        QVERIFY2(tics >= 1 && tics <= qAbs(geste.angle) / 30 + 1, qPrintable(QString("%1 ticks").arg(tics)));
    }

    // A fast last move launches the wheel, which coasts for seconds and
    // stops. Keeping 99 % of its speed v each frame until 0.05 degrees per
    // frame, a coast turns the wheel by 100 (v - 0.05) degrees.
    void elan()
    {
        const Ecran repos = appli.ecranImmobile();
        const Appli::Geste geste = appli.glisser(0, 40, 2, 8.5);
        const int vitesse = int(geste.dernierPas);
        QVERIFY(vitesse >= 8);
        // The turn since rest, read as fast as screenshots come so that the
        // wheel never turns a whole turn between two of them.
        QElapsedTimer chrono;
        chrono.start();
        Ecran avant = repos;
        double tour = 0;
        QVERIFY(Appli::attendre([&] {
            const Ecran ecran = appli.ecran();
            const double pas = ecran.tourDepuis(avant);
            tour += pas < -tolerance ? pas + 360 : pas;
            const bool immobile = ecran == avant;
            avant = ecran;
            return immobile;
        }, 60000));
        QVERIFY2(chrono.elapsed() > 3000, "the wheel does not coast for seconds");
        QVERIFY(avant.fixesEnPlace());
        const double course = 100 * (vitesse - 0.05);
        QVERIFY2(qAbs(tour - geste.angle - course) <= tolerance,
                 qPrintable(QString("turned %1 for %2 swept and a coast at %3").arg(tour).arg(geste.angle).arg(vitesse)));
    }

    // One click on the button mutes the next coast; a second brings the
    // ticks back.
    void basculeDuSon()
    {
        const Ecran repos = appli.ecranImmobile();
        for (const bool actif : {false, true}) {
            QVERIFY(appli.cliquer(repos.iconeSon().center()));
            QVERIFY(Appli::attendre([&] { return appli.ecran().montreIcone(actif ? "sound.png" : "soundoff.png"); }, 5000));
            Enregistrement enregistrement;
            QVERIFY(enregistrement.demarrer());
            QVERIFY(appli.glisser(0, 20, 2, 5.5).dernierPas >= 5);
            const Ecran lance = appli.ecran();
            QTest::qWait(3000);
            QVERIFY2(!(appli.ecran() == lance), "the wheel does not coast");
            const int tics = enregistrement.attaques(memeTic).size();
            QVERIFY2(actif ? tics >= 3 : tics == 0, qPrintable(QString("%1 ticks").arg(tics)));
            // A press on the wheel stops it before its closing tick.
            QVERIFY(appli.cliquer(QPoint(repos.taille().width() / 2, repos.taille().height() / 3)));
            QVERIFY(!appli.ecranImmobile().isNull());
        }
    }

    // Every tick a coast plays is heard, the closing one after seconds of
    // silence included: the wheel runs in this process, with its real
    // sound, so that its tick timer tells how many were played.
    void chaqueTicEntendu()
    {
        ZoneRoue roue(QStringLiteral(DRAVOUNE_DOSSIER_TIC "/assets/tic-ancien1.wav"), nullptr);
        roue.resize(800, 800);
        roue.show();
        QVERIFY(QTest::qWaitForWindowExposed(&roue));
        Sonde sonde(roue);
        int joues = 0;
        connect(&sonde.ticTimer(), &QTimer::timeout, &roue, [&joues] { ++joues; });
        Enregistrement enregistrement;
        QVERIFY(enregistrement.demarrer());
        roue.declencher(10);
        QTRY_VERIFY_WITH_TIMEOUT(!sonde.ticTimer().isActive(), 30000);
        QTest::qWait(500);
        QCOMPARE(enregistrement.attaques(memeTic).size(), joues);
    }

private:
    Appli appli;
};

QTEST_MAIN(TestE2e)
#include "tst_e2e.moc"
