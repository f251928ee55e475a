#include "appli.h"
#include "bureau.h"

#include <QtTest>

class TestFenetre : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(bureau.demarrer(), qPrintable(bureau.erreur()));
    }

    // The program shows its window whole, keeps its minimum size and ends
    // cleanly.
    void demarrage()
    {
        Appli appli(bureau);
        QVERIFY(appli.demarrer(QStringLiteral(DRAVOUNE_DOSSIER_TIC)));
        QCOMPARE(appli.titre(), QStringLiteral("Dravoune"));
        QVERIFY(appli.aUneIcone());

        const Ecran ecran = appli.ecranImmobile();
        QVERIFY(!ecran.isNull());
        QVERIFY2(ecran.partFond() < 0.1, "no wheel");
        QVERIFY(ecran.fixesEnPlace());
        QVERIFY(ecran.montreIcone("sound.png"));
        QVERIFY(!ecran.montreIcone("soundoff.png"));

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
