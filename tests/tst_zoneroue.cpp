#include "disposition.h"
#include "geometrieroue.h"
#include "mainwindow.h"
#include "sonde.h"
#include "sonfactice.h"
#include "zoneroue.h"

#include <QToolButton>
#include <QtTest>

using namespace GeometrieRoue;

namespace {

const QSize legende(largeurLegende, rayonLegende);

QImage apparence(const QIcon &icone)
{
    return icone.pixmap(80, 80).toImage();
}

} // namespace

// The wheel zone's geometry and paint, and the window around it.
class TestZoneRoue : public QObject
{
    Q_OBJECT

private slots:
    void disposition_data()
    {
        QTest::addColumn<QSize>("widget");
        QTest::addColumn<QRect>("roue");
        QTest::addColumn<QRect>("legende");
        QTest::addColumn<QRect>("grain");
        QTest::addColumn<QPointF>("origineLogo");
        QTest::addColumn<QSize>("logo");
        QTest::newRow("800x600") << QSize(800, 600) << QRect(-300, -300, 600, 600)
            << QRect(261, 0, 139, 300) << QRect(-21, -19, 42, 38) << QPointF(672.0, 6.0) << QSize(120, 59);
        QTest::newRow("800x1000") << QSize(800, 1000) << QRect(-500, -500, 1000, 1000)
            << QRect(168, 0, 232, 500) << QRect(-28, -25, 56, 50) << QPointF(632.0, 10.0) << QSize(160, 79);
        QTest::newRow("1024x768") << QSize(1024, 768) << QRect(-384, -384, 768, 768)
            << QRect(334, 0, 178, 384) << QRect(-26, -24, 53, 48) << QPointF(860.76, 7.68) << QSize(153, 76);
        QTest::newRow("801x601") << QSize(801, 601) << QRect(-300, -300, 601, 601)
            << QRect(261, 0, 139, 300) << QRect(-21, -19, 42, 38) << QPointF(672.99, 6.01) << QSize(120, 59);
        // A picture without pixels is left out instead of being divided by.
        QTest::newRow("widget vide") << QSize(0, 0) << QRect(0, 0, 0, 0)
            << QRect(0, 0, 0, 0) << QRect(0, 0, 0, 0) << QPointF(0, 0) << QSize(0, 0);
    }

    void disposition()
    {
        QFETCH(QSize, widget);
        QFETCH(QPointF, origineLogo);
        const Disposition d = disposer(widget, tailleGrain, legende, tailleLogo);
        QCOMPARE(d.centre, QPoint(widget.width() / 2, widget.height() / 2));
        QTEST(d.roue, "roue");
        QTEST(d.legende, "legende");
        QTEST(d.grain, "grain");
        QTEST(d.logo, "logo");
        QVERIFY(qAbs(d.origineLogo.x() - origineLogo.x()) < 1e-9);
        QVERIFY(qAbs(d.origineLogo.y() - origineLogo.y()) < 1e-9);
        for (const QSize vide : {QSize(0, 91), QSize(100, 0)}) {
            const Disposition sans = disposer(widget, vide, vide, vide);
            QVERIFY(sans.grain.isEmpty() && sans.legende.isEmpty() && sans.logo.isEmpty());
        }
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
        QTest::newRow("plus haut que large") << QSize(800, 1000) << QPoint(400, 101) << true;
        QTest::newRow("plus haut que large, au rayon") << QSize(800, 1000) << QPoint(400, 100) << false;
    }

    void dansLaRoue()
    {
        QFETCH(QSize, taille);
        QFETCH(QPoint, point);
        ZoneRoue roue(QString(), nullptr);
        roue.resize(taille);
        Sonde sonde(roue);
        sonde.calculerCentre();
        QTEST(sonde.estDansZone(point.x(), point.y()), "dedans");
    }

    // A real paint clears to light grey and shows the legend, the hub and
    // the logo where the layout puts them: over their opaque pixels the
    // frame differs from the picture by a few levels at most.
    void peinture()
    {
        ZoneRoue roue(QString(), nullptr);
        roue.resize(800, 600);
        roue.show();
        QVERIFY(QTest::qWaitForWindowExposed(&roue));
        const QImage image = roue.grabFrameBuffer();
        for (const QPoint coin : {QPoint(0, 0), QPoint(799, 599), QPoint(30, 300)})
            QCOMPARE(QColor(image.pixel(coin)).name(), QStringLiteral("#f0f0f0"));
        const Disposition d = disposer(image.size(), tailleGrain, legende, tailleLogo);
        const std::pair<const char *, QRect> places[] = {{"legende_roue.png", d.legende},
            {"grain.png", d.grain.translated(d.centre)}, {"logo_tesk.png", QRect(d.origineLogo.toPoint(), d.logo)}};
        for (const auto &[nom, place] : places) {
            const QImage source = QImage(QStringLiteral(":assets/") + nom).scaled(place.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            qint64 ecart = 0, n = 0;
            for (int y = 0; y < source.height(); ++y)
                for (int x = 0; x < source.width(); ++x)
                    if (qAlpha(source.pixel(x, y)) == 255) {
                        const QColor a = source.pixel(x, y), b = image.pixel(place.topLeft() + QPoint(x, y));
                        ecart += qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue());
                        ++n;
                    }
            QVERIFY2(n > 0 && ecart < 12 * 3 * n, nom);
        }
    }

    void fenetre()
    {
        const MainWindow fenetre;
        QCOMPARE(fenetre.windowTitle(), QStringLiteral("Dravoune"));
        QCOMPARE(fenetre.minimumSize(), QSize(600, 800));
        QCOMPARE(fenetre.centralWidget()->minimumSize(), QSize(800, 600));
        const QMetaObject &mo = MainWindow::staticMetaObject;
        QCOMPARE(mo.methodCount() - mo.methodOffset(), 1);
        QCOMPARE(mo.method(mo.methodOffset()).methodSignature(), QByteArray("toggleSon()"));
        QCOMPARE(mo.method(mo.methodOffset()).access(), QMetaMethod::Private);
    }

    // The button shows the sound's state and mutes a coast without
    // stopping it.
    void basculeDuSon()
    {
        SonFactice::remettre();
        MainWindow fenetre;
        auto *bouton = fenetre.findChild<QToolButton *>();
        auto *roue = qobject_cast<ZoneRoue *>(fenetre.centralWidget());
        QVERIFY(bouton && roue);
        Sonde sonde(*roue);
        const QImage avec = apparence(QIcon(QStringLiteral(":assets/sound.png")));
        const QImage sans = apparence(QIcon(QStringLiteral(":assets/soundoff.png")));
        QVERIFY(avec != sans);
        QCOMPARE(apparence(bouton->icon()), avec);
        roue->declencher(10);
        for (int clic = 1; clic <= 3; ++clic) {
            QTest::mouseClick(bouton, Qt::LeftButton);
            sonde.ticAuto();
            QCOMPARE(apparence(bouton->icon()), clic % 2 ? sans : avec);
            QCOMPARE(SonFactice::lectures, clic / 2);
            QCOMPARE(SonFactice::arrets, clic);
            QVERIFY(sonde.topTimer().isActive());
        }
    }
};

QTEST_MAIN(TestZoneRoue)
#include "tst_zoneroue.moc"
