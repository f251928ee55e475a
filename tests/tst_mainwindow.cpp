#include "mainwindow.h"
#include "sonde.h"
#include "zoneroue.h"

#include <QtTest>
#include <QToolButton>

namespace {

QImage apparence(const QIcon &icone)
{
    return icone.pixmap(80, 80).toImage();
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        fenetre.reset(new MainWindow);
        bouton = fenetre->findChild<QToolButton *>();
        roue = qobject_cast<ZoneRoue *>(fenetre->centralWidget());
        QVERIFY(bouton);
        QVERIFY(roue);
    }

    void proprietes()
    {
        QCOMPARE(fenetre->windowTitle(), QStringLiteral("Dravoune"));
        QCOMPARE(fenetre->minimumSize(), QSize(600, 800));
        QCOMPARE(roue->minimumSize(), QSize(800, 600));
        QCOMPARE(roue->parent(), fenetre.get());
        QCOMPARE(bouton->parent(), fenetre.get());
        QCOMPARE(bouton->toolTip(), QStringLiteral("Son on/off"));
        QCOMPARE(bouton->iconSize(), QSize(80, 80));
        QCOMPARE(bouton->pos(), QPoint(20, 20));
        QVERIFY(bouton->width() >= 80 && bouton->height() >= 80);
        QVERIFY(bouton->autoFillBackground());
        QCOMPARE(bouton->backgroundRole(), QPalette::Window);
        const QMetaObject &mo = MainWindow::staticMetaObject;
        QCOMPARE(mo.methodCount() - mo.methodOffset(), 1);
        QCOMPARE(mo.method(mo.methodOffset()).methodSignature(), QByteArray("toggleSon()"));
        QCOMPARE(mo.method(mo.methodOffset()).access(), QMetaMethod::Private);
    }

    void basculeDuSon_data()
    {
        QTest::addColumn<int>("clics");
        QTest::addColumn<bool>("actif");
        for (int n = 0; n <= 5; ++n)
            QTest::addRow("%d clics", n) << n << (n % 2 == 0);
    }

    void basculeDuSon()
    {
        QFETCH(int, clics);
        QFETCH(bool, actif);
        for (int i = 0; i < clics; ++i)
            QTest::mouseClick(bouton, Qt::LeftButton);
        QCOMPARE(Sonde(*roue).sonActif(), actif);
        const QIcon attendue(actif ? QStringLiteral(":assets/sound.png") : QStringLiteral(":assets/soundoff.png"));
        const QIcon autre(actif ? QStringLiteral(":assets/soundoff.png") : QStringLiteral(":assets/sound.png"));
        QVERIFY(apparence(attendue) != apparence(autre));
        QCOMPARE(apparence(bouton->icon()), apparence(attendue));
    }

    // Muting during a coast silences the next ticks but lets the wheel run.
    void basculePendantGlissade()
    {
        Sonde sonde(*roue);
        roue->declencher(10);
        sonde.ticAuto();
        QCOMPARE(sonde.ticsJoues(), 1);
        QTest::mouseClick(bouton, Qt::LeftButton);
        sonde.image();
        sonde.ticAuto();
        sonde.ticAuto();
        QCOMPARE(sonde.ticsJoues(), 1);
        QCOMPARE(sonde.arretsSon(), 3);
        QVERIFY(sonde.topTimer().isActive());
        QVERIFY(sonde.ticTimer().isActive());
        QTest::mouseClick(bouton, Qt::LeftButton);
        sonde.ticAuto();
        QCOMPARE(sonde.ticsJoues(), 2);
    }

private:
    std::unique_ptr<MainWindow> fenetre;
    QToolButton *bouton = nullptr;
    ZoneRoue *roue = nullptr;
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
