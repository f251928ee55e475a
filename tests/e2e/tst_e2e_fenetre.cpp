#include "appli.h"
#include "bureau.h"
#include "enregistrement.h"

#include <QtTest>

class TestFenetre : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(bureau.demarrer(), qPrintable(bureau.erreur()));
    }

    void demarrage_data()
    {
        QTest::addColumn<bool>("avecTic");
        QTest::newRow("beside its tick") << true;
        QTest::newRow("from an empty directory") << false;
    }

    // Wherever it starts, the program shows its window whole, ticks only
    // if it finds its tick, keeps its minimum size and ends cleanly.
    void demarrage()
    {
        QFETCH(bool, avecTic);
        QTemporaryDir vide;
        Appli appli(bureau);
        QVERIFY(appli.demarrer(avecTic ? QStringLiteral(DRAVOUNE_DOSSIER_TIC) : vide.path()));
        QCOMPARE(appli.titre(), QStringLiteral("Dravoune"));
        QVERIFY(appli.aUneIcone());

        const Ecran ecran = appli.ecranImmobile();
        QVERIFY(!ecran.isNull());
        QVERIFY2(ecran.partFond() < 0.1, "no wheel");
        QVERIFY(ecran.fixesEnPlace());
        QVERIFY(ecran.montreIcone("sound.png"));
        QVERIFY(!ecran.montreIcone("soundoff.png"));

        Enregistrement enregistrement(bureau);
        QVERIFY(enregistrement.demarrer());
        QVERIFY(qAbs(appli.glisser(0, 100, 4.5, 0.5).dernierPas) < 1);
        QTest::qWait(500);
        const int tics = enregistrement.attaques().size();
        QVERIFY2(avecTic ? tics > 0 : tics == 0, qPrintable(QString("%1 ticks").arg(tics)));
        QVERIFY(appli.enMarche());

        // The window manager keeps the window at its minimum size or more.
        QVERIFY(appli.redimensionner(QSize(300, 300)));
        const QSize taille = appli.geometrie().size();
        QVERIFY2(taille.width() >= 600 && taille.height() >= 800, qPrintable(QString("%1 x %2").arg(taille.width()).arg(taille.height())));

        QCOMPARE(appli.fermer(), 0);
    }

private:
    Bureau bureau;
};

QTEST_GUILESS_MAIN(TestFenetre)
#include "tst_e2e_fenetre.moc"
