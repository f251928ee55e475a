#include "appli.h"
#include "bureau.h"

#include <QtTest>

namespace {

// Degrees within which a turn seen on the screen matches the drag.
constexpr double tolerance = 1.5;

} // namespace

class TestRotation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(bureau.demarrer(), qPrintable(bureau.erreur()));
        QVERIFY(appli.demarrer(QStringLiteral(DRAVOUNE_DOSSIER_TIC)));
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
    // angle swept, and leaves it there.
    void glisser()
    {
        QFETCH(double, depart);
        QFETCH(double, angle);
        const Ecran repos = appli.ecranImmobile();
        QVERIFY(repos.fixesEnPlace());
        const Appli::Geste geste = appli.glisser(depart, angle, 1, 0.5);
        QVERIFY(qAbs(geste.dernierPas) < 1);
        const Ecran apres = appli.ecranImmobile();
        QVERIFY(!apres.isNull());
        const double tour = apres.tourDepuis(repos);
        QVERIFY2(qAbs(tour - geste.angle) <= tolerance,
                 qPrintable(QString("turned %1 for %2 swept").arg(tour).arg(geste.angle)));
        QVERIFY(apres.fixesEnPlace());
    }

    // A fast last move launches the wheel, which slows down and stops.
    void elan()
    {
        const Ecran repos = appli.ecranImmobile();
        const Appli::Geste geste = appli.glisser(0, 40, 2, 8.5);
        const int vitesse = int(geste.dernierPas);
        QVERIFY(vitesse >= 8);

        // The turn since rest, read as fast as screenshots come so that the
        // wheel never turns a whole turn between two of them.
        QVector<QPointF> releves;
        Ecran avant = repos;
        double tour = 0;
        const bool arretee = Bureau::attendre([&] {
            const Ecran ecran = appli.ecran();
            const double instant = Bureau::horloge();
            const double pas = ecran.tourDepuis(avant);
            tour += pas < -tolerance ? pas + 360 : pas;
            releves << QPointF(instant, tour);
            const bool immobile = ecran == avant;
            avant = ecran;
            return immobile;
        }, 30000);
        QVERIFY(arretee);
        QVERIFY(avant.fixesEnPlace());

        // Over whole seconds, each turns the wheel less than the one before.
        QVector<double> vitesses;
        for (int debut = 0, fin = 0; fin < releves.size(); ++fin) {
            const QPointF d = releves[fin] - releves[debut];
            if (d.x() >= 1000) {
                vitesses << d.y() / d.x();
                debut = fin;
            }
        }
        qInfo() << "degrees per ms, second by second:" << vitesses;
        QVERIFY2(vitesses.size() >= 5, "the wheel does not coast for seconds");
        for (int i = 1; i < vitesses.size(); ++i)
            QVERIFY(vitesses[i] < vitesses[i - 1]);

        // Keeping 99 % of its speed v each frame until 0.05 degrees per
        // frame, a coast turns the wheel by 100 (v - 0.05) degrees.
        const double course = 100 * (vitesse - 0.05);
        QVERIFY2(qAbs(tour - geste.angle - course) <= tolerance,
                 qPrintable(QString("turned %1 for %2 swept and a coast at %3").arg(tour).arg(geste.angle).arg(vitesse)));
    }

private:
    Bureau bureau;
    Appli appli{bureau};
};

QTEST_GUILESS_MAIN(TestRotation)
#include "tst_e2e_rotation.moc"
