#include "cinematique.h"
#include "sonde.h"
#include "zoneroue.h"

#include <QtTest>

#include <climits>
#include <cmath>
#include <random>

// Hostile input: whatever the pointer does, every number stays finite and
// every coast ends.
class TestRobustesse : public QObject
{
    Q_OBJECT

private slots:
    // A million seeded moves of the kinds that break naive geometry.
    void deplacementsAleatoires()
    {
        ZoneRoue roue(QString(), nullptr);
        roue.resize(800, 600);
        Sonde s(roue);
        std::mt19937 aleas(20261206);
        std::uniform_int_distribution<int> genre(0, 5), loin(-100000, 100000), pres(-3, 3), rayon(1, 400);
        std::uniform_real_distribution<double> direction(0, 2 * M_PI);
        const QPoint c(400, 300);
        QPoint p = c;
        double rayonAngle = 0;
        for (int i = 0; i < 1000000; ++i) {
            if (i % 1000 == 0) {
                s.presser(400 + pres(aleas), 300 + pres(aleas));
                rayonAngle = direction(aleas);
            }
            switch (genre(aleas)) {
            case 0: p = c + QPoint(pres(aleas), pres(aleas)); break;               // on the centre
            case 1: p = QPoint(400, 300 + loin(aleas) / 100); break;              // on the vertical
            case 2: {                                                              // along a ray
                const int r = rayon(aleas);
                p = c + QPoint(qRound(r * std::cos(rayonAngle)), qRound(r * std::sin(rayonAngle)));
                break;
            }
            case 3: p = c - (p - c); break;                                        // across the centre
            case 4: p = QPoint(loin(aleas), loin(aleas)); break;                  // far outside
            default: break;                                                        // the same point again
            }
            s.bouger(p.x(), p.y());
            if (!s.etatSain())
                QFAIL(qPrintable(QString("move %1 to (%2, %3): step %4").arg(i).arg(p.x()).arg(p.y()).arg(s.dernierPas())));
        }
    }

    void lancementsExtremes_data()
    {
        QTest::addColumn<int>("vitesse");
        for (int v : {INT_MIN, INT_MIN + 1, -1, 0, 1, INT_MAX})
            QTest::addRow("%d", v) << v;
    }

    void lancementsExtremes()
    {
        QFETCH(int, vitesse);
        ZoneRoue roue(QString(), nullptr);
        Sonde s(roue);
        roue.declencher(vitesse);
        int images = 0;
        while (s.topTimer().isActive() && images < 10000) {
            s.image();
            s.ticAuto();
            QVERIFY(s.etatSain());
            QVERIFY(!s.ticTimer().isActive() || (s.ticTimer().interval() >= 150 && s.ticTimer().interval() < 10000));
            ++images;
        }
        QVERIFY(!s.topTimer().isActive());
        QCOMPARE(s.vitesse(), 0.0f);
    }

    // However far the wheel has turned, a gentle fling still turns it by
    // the same amount, and a slow drag still follows the pointer.
    void grandsAngles_data()
    {
        QTest::addColumn<float>("depart");
        for (float a : {0.0f, 32767.0f, 1e6f, 16777216.0f, -3e7f})
            QTest::addRow("%g", double(a)) << a;
    }

    void grandsAngles()
    {
        QFETCH(float, depart);
        ZoneRoue roue(QString(), nullptr);
        roue.resize(800, 600);
        Sonde s(roue);
        s.calculerCentre();
        s.setAngleRoue(depart);
        roue.declencher(1);
        s.imagesJusquArret();
        const double tour = std::remainder(double(s.angleRoue()) - std::fmod(double(depart), 360.0), 360.0);
        QVERIFY2(qAbs(tour - 95.04) < 0.05, qPrintable(QString::number(tour)));

        s.presser(690, 300);
        const float avant = s.angleRoue();
        s.bouger(690, 299);
        QVERIFY(s.angleRoue() != avant);
    }

    // A widget resized through every kind of size while it coasts paints
    // each frame and never divides by zero.
    void tempeteDeRedimensionnements()
    {
        ZoneRoue roue(QString(), nullptr);
        roue.setMinimumSize(0, 0);
        roue.resize(800, 600);
        roue.show();
        QVERIFY(QTest::qWaitForWindowExposed(&roue));
        Sonde s(roue);
        roue.declencher(37);
        const QSize tailles[] = {{0, 0}, {1, 1}, {1, 0}, {0, 1}, {2, 3}, {4000, 10}, {10, 3000},
                                 {801, 601}, {1920, 1080}, {7, 7}, {800, 600}};
        for (int tour = 0; tour < 3; ++tour) {
            for (const QSize &t : tailles) {
                roue.resize(t);
                roue.repaint();
                s.image();
                s.calculerCentre();
                for (const QPoint &p : {QPoint(0, 0), QPoint(t.width() / 2, t.height() / 2), QPoint(-5, 99999)})
                    s.estDansZone(p.x(), p.y());
                s.presser(t.width() / 2 + 1, t.height() / 2);
                s.bouger(t.width(), 0);
                s.lacher(t.width(), 0);
                QVERIFY(s.etatSain());
            }
        }
    }
};

QTEST_MAIN(TestRobustesse)
#include "tst_robustesse.moc"
