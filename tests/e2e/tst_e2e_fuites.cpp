#include "appli.h"
#include "bureau.h"

#include <QtTest>

// The program built with the sanitizers, which report on its standard
// error: memory errors and undefined behaviour as they happen, leaks at
// exit.
class TestFuites : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(bureau.demarrer(), qPrintable(bureau.erreur()));
    }

    // Opened, dragged, flung and closed while it coasts and ticks.
    void ouvrirTournerFermer()
    {
        Appli appli(bureau);
        QVERIFY(appli.demarrer(QStringLiteral(DRAVOUNE_DOSSIER_TIC)));
        QVERIFY(qAbs(appli.glisser(0, 100, 4.5, 0.5).dernierPas) < 1);
        QVERIFY(appli.glisser(0, 20, 2, 5.5).dernierPas >= 5);
        QTest::qWait(1500);
        QCOMPARE(appli.fermer(), 0);
        QVERIFY2(appli.messages().isEmpty(), appli.messages().constData());
    }

private:
    Bureau bureau;
};

QTEST_GUILESS_MAIN(TestFuites)
#include "tst_e2e_fuites.moc"
