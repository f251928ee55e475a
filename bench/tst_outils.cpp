#include "compteurallocations.h"
#include "demarrage.h"
#include "espionpeintures.h"
#include "tableau.h"
#include "tempscpu.h"

#include <QtTest>

#include <unistd.h>

// The measuring tools of the benchmark, against what they measure.
class TestOutils : public QObject
{
    Q_OBJECT

private slots:
    void rapportEtEcart()
    {
        QCOMPARE(Tableau::rapport(3.0, 2.0), QStringLiteral("1.50×"));
        QCOMPARE(Tableau::rapport(3.0, 0.0), QString());
        QCOMPARE(Tableau::ecart(148.0, 86.1, 1, QStringLiteral(" MB")), QStringLiteral("+61.9 MB"));
        QCOMPARE(Tableau::ecart(0.1, 0.3, 2, QStringLiteral(" %")), QStringLiteral("−0.20 %"));
        QCOMPARE(Tableau::reference(10.0, 11.0, 2), QStringLiteral("10.00 (1.10×)"));
    }

    void tempsCpuDesDeuxSources()
    {
        // Burn 300 ms of CPU: /proc must see what getrusage sees.
        const double avant = tempsCpuProcessus();
        const double avantProc = tempsCpuProcessus(getpid());
        volatile double x = 0.0;
        while (tempsCpuProcessus() - avant < 0.3)
            x = x + 1.0;
        const double rusage = tempsCpuProcessus() - avant;
        const double proc = tempsCpuProcessus(getpid()) - avantProc;
        QVERIFY2(qAbs(proc - rusage) < 0.05, qPrintable(QStringLiteral("%1 %2").arg(proc).arg(rusage)));
    }

    void memoireCrete()
    {
        const long avant = memoireCreteKo(getpid());
        QVERIFY(avant > 0);
        // 64 MB touched page by page raise the peak by as much.
        const std::vector<char> gros(64 << 20, 1);
        QVERIFY(memoireCreteKo(getpid()) - avant >= 60L * 1024);
        QCOMPARE(gros.back(), char(1));
        QCOMPARE(memoireCreteKo(-1), -1L);
    }

    void allocationsComptees()
    {
        const long avant = CompteurAllocations::allocations();
        const auto p = std::make_unique<int>(1);
        QVERIFY(CompteurAllocations::allocations() - avant >= 1);
    }

    void peinturesDeLaSeuleCible()
    {
        QWidget cible;
        QWidget autre;
        cible.resize(200, 100);
        autre.resize(200, 100);
        cible.show();
        autre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cible));
        QVERIFY(QTest::qWaitForWindowExposed(&autre));
        EspionPeintures espion(&cible);
        for (int i = 0; i < 3; ++i) {
            QTest::qWait(30);
            cible.repaint();
            autre.repaint();
        }
        QCOMPARE(espion.peintures(), 3);
        const Echantillon intervalles = espion.intervalles();
        QCOMPARE(intervalles.taille(), 2);
        QVERIFY(intervalles.mediane() >= 25.0);
    }

    void premiereImageVue()
    {
        // A program that paints the grey at the watched pixel, and one
        // that never shows a window.
        Demarrage nue(QStringLiteral(DRAVOUNE_FENETRE_NUE), QDir::tempPath(), QPoint(4, 795));
        const double ms = nue.lancer();
        QVERIFY(ms > 0.0);
        QVERIFY(nue.memoireCreteKo() > 0);
        nue.arreter();

        Demarrage muet(QStringLiteral("/bin/true"), QDir::tempPath(), QPoint(4, 795));
        muet.limiter(500);
        QCOMPARE(muet.lancer(), -1.0);
    }
};

QTEST_MAIN(TestOutils)
#include "tst_outils.moc"
