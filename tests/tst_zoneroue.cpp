#include "disposition.h"
#include "sonde.h"
#include "zoneroue.h"

#include <QtTest>

namespace {

// Sizes of the pictures the wheel is drawn from.
const QSize grain(100, 91);
const QSize legende(443, 953);
const QSize logo(249, 124);

} // namespace

class TestZoneRoue : public QObject
{
    Q_OBJECT

private slots:
    void disposition_data()
    {
        QTest::addColumn<QSize>("widget");
        QTest::addColumn<QPoint>("centre");
        QTest::addColumn<float>("rayon");
        QTest::addColumn<QRect>("roue");
        QTest::addColumn<QRect>("legende");
        QTest::addColumn<QRect>("grain");
        QTest::addColumn<QPointF>("origineLogo");
        QTest::addColumn<QSize>("logo");

        QTest::newRow("800x600") << QSize(800, 600) << QPoint(400, 300) << 300.0f
            << QRect(-300, -300, 600, 600) << QRect(261, 0, 139, 300)
            << QRect(-21, -19, 42, 38) << QPointF(672.0, 6.0) << QSize(120, 59);
        QTest::newRow("800x1000") << QSize(800, 1000) << QPoint(400, 500) << 400.0f
            << QRect(-500, -500, 1000, 1000) << QRect(168, 0, 232, 500)
            << QRect(-28, -25, 56, 50) << QPointF(632.0, 10.0) << QSize(160, 79);
        QTest::newRow("1024x768") << QSize(1024, 768) << QPoint(512, 384) << 384.0f
            << QRect(-384, -384, 768, 768) << QRect(334, 0, 178, 384)
            << QRect(-26, -24, 53, 48) << QPointF(860.76, 7.68) << QSize(153, 76);
        QTest::newRow("801x601") << QSize(801, 601) << QPoint(400, 300) << 300.0f
            << QRect(-300, -300, 601, 601) << QRect(261, 0, 139, 300)
            << QRect(-21, -19, 42, 38) << QPointF(672.99, 6.01) << QSize(120, 59);
    }

    void disposition()
    {
        QFETCH(QSize, widget);
        const Disposition d = disposer(widget, grain, legende, logo);
        QTEST(d.centre, "centre");
        QTEST(rayonRoue(widget), "rayon");
        QTEST(d.roue, "roue");
        QTEST(d.legende, "legende");
        QTEST(d.grain, "grain");
        QTEST(d.logo, "logo");
        QFETCH(QPointF, origineLogo);
        QVERIFY(qAbs(d.origineLogo.x() - origineLogo.x()) < 1e-9);
        QVERIFY(qAbs(d.origineLogo.y() - origineLogo.y()) < 1e-9);
    }

    // Hub width 7 % and logo width 20 % of the smaller side, truncated, for
    // every side length.
    void facteursDeLargeur()
    {
        for (int s = 0; s <= 5000; ++s) {
            const Disposition d = disposer(QSize(s, s), grain, legende, logo);
            QCOMPARE(d.grain.width(), 7 * s / 100);
            QCOMPARE(d.logo.width(), s / 5);
        }
    }

    // A picture without pixels is left out instead of being divided by.
    void imageVide_data()
    {
        QTest::addColumn<QSize>("widget");
        QTest::addColumn<QSize>("taille");
        QTest::newRow("sans largeur") << QSize(800, 600) << QSize(0, 91);
        QTest::newRow("sans hauteur") << QSize(800, 600) << QSize(100, 0);
        QTest::newRow("nulle") << QSize(800, 600) << QSize();
        QTest::newRow("widget vide") << QSize(0, 0) << QSize(100, 91);
    }

    void imageVide()
    {
        QFETCH(QSize, widget);
        QFETCH(QSize, taille);
        const Disposition d = disposer(widget, taille, taille, taille);
        QVERIFY(d.grain.isEmpty());
        QVERIFY(d.legende.isEmpty());
        QVERIFY(d.logo.isEmpty());
    }

    void dansLaRoue_data()
    {
        QTest::addColumn<QSize>("taille");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("dedans");
        QTest::newRow("centre") << QSize(800, 600) << QPoint(400, 300) << true;
        QTest::newRow("au rayon, en haut") << QSize(800, 600) << QPoint(400, 0) << false;
        QTest::newRow("au rayon, à gauche") << QSize(800, 600) << QPoint(100, 300) << false;
        QTest::newRow("juste dedans, en haut") << QSize(800, 600) << QPoint(400, 1) << true;
        QTest::newRow("juste dedans, à gauche") << QSize(800, 600) << QPoint(101, 300) << true;
        QTest::newRow("diagonale dedans") << QSize(800, 600) << QPoint(612, 512) << true;
        QTest::newRow("diagonale dehors") << QSize(800, 600) << QPoint(613, 513) << false;
        QTest::newRow("plus haut que large") << QSize(800, 1000) << QPoint(400, 101) << true;
        QTest::newRow("plus haut que large, au rayon") << QSize(800, 1000) << QPoint(400, 100) << false;
        QTest::newRow("widget vide") << QSize(0, 0) << QPoint(0, 0) << false;
    }

    void dansLaRoue()
    {
        QFETCH(QSize, taille);
        QFETCH(QPoint, point);
        ZoneRoue roue(QString(), nullptr);
        roue.setMinimumSize(0, 0);
        roue.resize(taille);
        Sonde sonde(roue);
        sonde.calculerCentre();
        QTEST(sonde.estDansZone(point.x(), point.y()), "dedans");
    }

    // The inside test uses the centre of the last paint or drag move.
    void centreMemorise()
    {
        ZoneRoue roue(QString(), nullptr);
        roue.resize(800, 600);
        Sonde sonde(roue);
        QCOMPARE(sonde.centre(), QPoint(0, 0));
        QVERIFY(!sonde.estDansZone(400, 300));
        sonde.calculerCentre();
        QVERIFY(sonde.estDansZone(400, 300));
        roue.resize(1200, 600);
        QVERIFY(!sonde.estDansZone(700, 300));
        sonde.calculerCentre();
        QVERIFY(sonde.estDansZone(700, 300));
    }

    void peinture()
    {
        ZoneRoue roue(QString(), nullptr);
        roue.resize(800, 600);
        roue.show();
        QVERIFY(QTest::qWaitForWindowExposed(&roue));
        const QImage image = roue.grabFrameBuffer();
        QCOMPARE(image.size(), QSize(800, 600));
        for (const QPoint &coin : {QPoint(0, 0), QPoint(799, 0), QPoint(0, 599), QPoint(799, 599), QPoint(30, 300)})
            QCOMPARE(QColor(image.pixel(coin)).name(), QStringLiteral("#f0f0f0"));
    }
};

QTEST_MAIN(TestZoneRoue)
#include "tst_zoneroue.moc"
