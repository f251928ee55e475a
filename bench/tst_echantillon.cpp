#include "echantillon.h"

#include <QtTest>

#include <cmath>

class TestEchantillon : public QObject
{
    Q_OBJECT

private slots:
    void centiles_data()
    {
        QTest::addColumn<double>("p");
        QTest::addColumn<double>("attendu");
        // Nearest rank over 1..20: rank ceil(p/100 * 20).
        QTest::newRow("p5") << 5.0 << 1.0;
        QTest::newRow("p50") << 50.0 << 10.0;
        QTest::newRow("p95") << 95.0 << 19.0;
        QTest::newRow("p96") << 96.0 << 20.0;
        QTest::newRow("p100") << 100.0 << 20.0;
        QTest::newRow("p0") << 0.0 << 1.0;
    }

    void centiles()
    {
        QFETCH(double, p);
        QFETCH(double, attendu);
        Echantillon e;
        // Out of order, as intervals come.
        for (int i = 20; i >= 1; i -= 2)
            e.ajouter(i);
        for (int i = 1; i <= 19; i += 2)
            e.ajouter(i);
        QCOMPARE(e.centile(p), attendu);
    }

    void medianeImpaire()
    {
        Echantillon e;
        for (double v : {30.0, 10.0, 20.0})
            e.ajouter(v);
        QCOMPARE(e.mediane(), 20.0);
    }

    void vide()
    {
        const Echantillon e;
        QVERIFY(std::isnan(e.mediane()));
        QVERIFY(std::isnan(e.partEntre(19.0, 21.0)));
        QCOMPARE(e.auDessus(30.0), 0);
    }

    void seuils()
    {
        Echantillon e;
        for (double v : {18.9, 19.0, 20.0, 21.0, 21.1, 30.0, 30.5})
            e.ajouter(v);
        // Bounds included, so 19 and 21 are within.
        QCOMPARE(e.partEntre(19.0, 21.0), 3.0 / 7.0);
        // Strictly over: 30 is not dropped.
        QCOMPARE(e.auDessus(30.0), 1);
    }
};

QTEST_MAIN(TestEchantillon)
#include "tst_echantillon.moc"
