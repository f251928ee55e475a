#include "compteurtextures.h"
#include "espionpeintures.h"
#include "sonde.h"
#include "zoneroue.h"

#include <QtTest>

// What the frame figures of the benchmark rest on: a frame paints once,
// whatever drag moves came before it, and the pictures reach the GL
// texture once, not at every frame.
class TestPeintures : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        roue = std::make_unique<ZoneRoue>(QString(), nullptr);
        roue->setGeometry(0, 0, 800, 600);
        roue->show();
        QVERIFY(QTest::qWaitForWindowExposed(roue.get()));
        // Let the paints of the show go by.
        QTest::qWait(100);
        sonde = std::make_unique<Sonde>(*roue);
    }

    void cleanup()
    {
        sonde.reset();
        roue.reset();
    }

    void uneImageUnePeinture()
    {
        EspionPeintures espion(roue.get());
        sonde->setVitesse(5.0f);
        sonde->image();
        QCoreApplication::processEvents();
        QCOMPARE(espion.peintures(), 1);
        QCoreApplication::processEvents();
        QCOMPARE(espion.peintures(), 1);
    }

    void mouvementsEtImageFusionnes()
    {
        EspionPeintures espion(roue.get());
        sonde->presser(600, 300);
        sonde->bouger(590, 240);
        sonde->bouger(570, 200);
        sonde->bouger(540, 170);
        sonde->setVitesse(5.0f);
        sonde->image();
        QCOMPARE(espion.peintures(), 0);
        QCoreApplication::processEvents();
        QCOMPARE(espion.peintures(), 1);
        sonde->lacher(540, 170);
    }

    void texturesEnvoyeesUneFois()
    {
        // A new widget has a context of its own, which gets every picture.
        ZoneRoue autre(QString(), nullptr);
        autre.setGeometry(0, 0, 800, 600);
        const qint64 avant = CompteurTextures::octets();
        autre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&autre));
        autre.repaint();
        const qint64 roueSeule = qint64(1905) * 1906 * 4;
        QVERIFY(CompteurTextures::octets() - avant >= roueSeule);

        Sonde s(autre);
        const int envois = CompteurTextures::envois();
        for (int i = 0; i < 10; ++i) {
            s.setAngleRoue(7.0f * float(i));
            autre.repaint();
        }
        autre.resize(1000, 700);
        autre.repaint();
        QCOMPARE(CompteurTextures::envois(), envois);
    }

private:
    std::unique_ptr<ZoneRoue> roue;
    std::unique_ptr<Sonde> sonde;
};

QTEST_MAIN(TestPeintures)
#include "tst_peintures.moc"
