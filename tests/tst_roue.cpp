#include "cinematique.h"
#include "disposition.h"
#include "essais.h"
#include "geometrieroue.h"
#include "mainwindow.h"
#include "sonde.h"
#include "sonfactice.h"
#include "zoneroue.h"

#include <QToolButton>
#include <QtTest>

#include <cmath>

namespace {

const QPoint centre(400, 300);
const QSize legende(GeometrieRoue::largeurLegende, GeometrieRoue::rayonLegende);

// Point at `degres` counter-clockwise on screen from three o'clock, `rayon`
// pixels from the centre, rounded to the pixel grid.
QPoint surCercle(double degres, double rayon = 1000.0)
{
    const double a = qDegreesToRadians(degres);
    return centre + QPoint(qRound(rayon * std::cos(a)), -qRound(rayon * std::sin(a)));
}

} // namespace

// The spin model, driven through the wheel's own event handlers and slots;
// the wheel's geometry and paint, and the window around it.
class TestRoue : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        SonFactice::lectures = SonFactice::arrets = 0;
        roue = std::make_unique<ZoneRoue>(QString(), nullptr);
        roue->resize(800, 600);
        sonde = std::make_unique<Sonde>(*roue);
        sonde->calculerCentre();
    }

    // A move turns the wheel by the angle it sweeps about the centre,
    // counter-clockwise positive; one with no angle gives a finite step
    // (from or to the centre too: the fuzz corpus replays such steps).
    void unPasTourneDeLAngleBalaye_data()
    {
        QTest::addColumn<QPoint>("de");
        QTest::addColumn<QPoint>("vers");
        QTest::newRow("haut-droite, trigo") << surCercle(20, 200) << surCercle(60, 200);
        QTest::newRow("haut-gauche, horaire") << surCercle(150, 200) << surCercle(110, 200);
        QTest::newRow("bas-droite, horaire") << surCercle(330, 200) << surCercle(290, 200);
        QTest::newRow("par la verticale haute") << surCercle(80, 200) << surCercle(100, 200);
        QTest::newRow("par la verticale basse") << surCercle(280, 200) << surCercle(260, 200);
        QTest::newRow("depuis l'aplomb haut") << surCercle(90, 200) << surCercle(80, 200);
        QTest::newRow("depuis l'aplomb bas") << surCercle(270, 200) << surCercle(280, 200);
        QTest::newRow("grand pas en arrière") << surCercle(0, 200) << surCercle(-170, 200);
        QTest::newRow("même pixel") << QPoint(123, 45) << QPoint(123, 45);
        QTest::newRow("à travers le centre") << QPoint(400, 200) << QPoint(400, 400);
    }

    void unPasTourneDeLAngleBalaye()
    {
        QFETCH(QPoint, de);
        QFETCH(QPoint, vers);
        sonde->presser(de);
        sonde->bouger(vers);
        QVERIFY(qAbs(std::remainder(sonde->dernierPas() - angleSigne(de - centre, vers - centre), 360.0))
                < 1e-3);
        QCOMPARE(sonde->angleRoue(), sonde->dernierPas());
    }

    // A release, of any button, launches the wheel at the whole degrees of
    // its last step. Leaving the wheel does not end a drag: the wheel keeps
    // following, and a release there launches it too.
    void lancementTronque_data()
    {
        QTest::addColumn<double>("pas");
        QTest::addColumn<double>("rayon"); // of the release
        QTest::addColumn<float>("vitesse");
        QTest::newRow("2,9") << 2.9 << 250.0 << 2.0f;
        QTest::newRow("-2,9") << -2.9 << 250.0 << -2.0f;
        QTest::newRow("0,7") << 0.7 << 250.0 << 0.0f;
        QTest::newRow("20,5 hors de la roue") << 20.5 << 2000.0 << 20.0f;
    }

    void lancementTronque()
    {
        QFETCH(double, pas);
        QFETCH(double, rayon);
        const QPoint p = surCercle(40, 250), q = surCercle(40 + pas, rayon);
        sonde->presser(p, Qt::MiddleButton);
        sonde->bouger(q);
        sonde->lacher(q, Qt::RightButton);
        QVERIFY(!sonde->saisi());
        QTEST(sonde->vitesse(), "vitesse");
        QCOMPARE(sonde->topTimer().interval(), 20);
        // A launch at 0 runs one frame and never ticks. The speed is read
        // before the coast runs it down.
        const bool lancee = sonde->vitesse() != 0.0f;
        QCOMPARE(sonde->ticTimer().isActive(), lancee);
        QCOMPARE(sonde->imagesJusquArret() == 1, !lancee);
    }

    void periodeDesTics_data()
    {
        QTest::addColumn<float>("vitesse");
        QTest::addColumn<int>("periode");
        QTest::newRow("plancher") << 10.0f << 150;
        QTest::newRow("à rebours") << -3.0f << 166;
        QTest::newRow("0,1") << 0.1f << 4999;
    }

    void periodeDesTics()
    {
        QFETCH(float, vitesse);
        sonde->setVitesse(vitesse);
        sonde->programmerTic();
        QTEST(sonde->ticTimer().interval(), "periode");
    }

    // However far the wheel has turned, a coast turns it by as much: past
    // 2^24 a float could not hold the slow steps of its end.
    void glissade_data()
    {
        QTest::addColumn<float>("depart");
        QTest::addColumn<int>("lancement");
        QTest::addColumn<int>("images");
        QTest::addColumn<double>("tour");
        QTest::newRow("1") << 0.0f << 1 << 299 << 95.04;
        QTest::newRow("10") << 0.0f << 10 << 528 << 995.0;
        QTest::newRow("-5") << 0.0f << -5 << 459 << -495.0;
        QTest::newRow("1, à 32767°") << 32767.0f << 1 << 299 << 95.04;
        QTest::newRow("1, à 2^24°") << 16777216.0f << 1 << 299 << 95.04;
    }

    void glissade()
    {
        QFETCH(float, depart);
        QFETCH(int, lancement);
        QFETCH(double, tour);
        sonde->setAngleRoue(depart);
        roue->declencher(lancement);
        // The first tick comes one period after the launch, not at it.
        QCOMPARE(SonFactice::lectures, 0);
        QTEST(sonde->imagesJusquArret(), "images");
        const double fait = double(sonde->angleRoue()) - std::fmod(double(depart), 360.0);
        QVERIFY2(qAbs(std::remainder(fait - tour, 360.0)) < 1.0, qPrintable(QString::number(fait)));
        QCOMPARE(sonde->vitesse(), 0.0f);
        // Stopped, the wheel still owes its closing tick, and only that one.
        QVERIFY(sonde->ticTimer().isActive());
        sonde->ticAuto();
        QCOMPARE(SonFactice::lectures, 1);
        QVERIFY(!sonde->ticTimer().isActive());
    }

    // Frames that come late, held up by the compositor, carry the steps of
    // the periods they missed: at the same time from the launch the wheel
    // stands at the same angle as with frames on time, and it stops after
    // as many steps.
    void imagesEnRetard_data()
    {
        QTest::addColumn<int>("periode");
        QTest::newRow("150 ms") << 150;
        QTest::newRow("one frame") << 20000;
    }

    void imagesEnRetard()
    {
        QFETCH(int, periode);
        float angle = 0, vitesse = 10, angleALHeure = 0, vitesseALHeure = 10;
        int faits = 0, faitsALHeure = 0;
        for (int t = periode, tourne = 1; tourne; t += periode) {
            tourne = rattraper(angle, vitesse, faits, t);
            QCOMPARE(faits, tourne ? t / periodeImage : 528);
            while (faitsALHeure < faits)
                rattraper(angleALHeure, vitesseALHeure, faitsALHeure, (faitsALHeure + 1LL) * periodeImage);
            QCOMPARE(angle, angleALHeure);
        }
    }

    // A drag ticks once the turn since the last tick passes 30 degrees,
    // strictly, and drops the rest. Each step turns the wheel by that many
    // degrees; a NaN releases the wheel and grabs it again.
    void ticsDeSaisie_data()
    {
        QTest::addColumn<float>("avant");
        QTest::addColumn<QList<double>>("pas");
        QTest::addColumn<int>("tics");
        QTest::addColumn<double>("reste");
        QTest::newRow("le quatrième passe 30") << 0.0f << QList<double>{9.9, 9.9, 9.9, 9.9} << 1 << 0.0;
        QTest::newRow("l'excédent est perdu") << 0.0f << QList<double>{45, 20} << 1 << 20.0;
        QTest::newRow("en arrière") << 0.0f << QList<double>{-16, -16} << 1 << 0.0;
        QTest::newRow("aller-retour") << 0.0f << QList<double>{20, -20, 20, -20, 20, -20} << 0 << 0.0;
        QTest::newRow("30 tout juste") << 30.0f << QList<double>{0} << 0 << 30.0;
        QTest::newRow("au-delà de 30") << 30.0f << QList<double>{0.1} << 1 << 0.0;
        QTest::newRow("d'une saisie à l'autre") << 0.0f << QList<double>{12.5, 12.5, qQNaN(), 6} << 1 << 0.0;
    }

    void ticsDeSaisie()
    {
        QFETCH(float, avant);
        QFETCH(QList<double>, pas);
        QFETCH(double, reste);
        double angle = 0;
        sonde->presser(surCercle(angle, 280));
        sonde->setAngleDepuisTic(avant);
        for (double d : pas) {
            if (std::isnan(d)) {
                sonde->lacher(surCercle(angle));
                sonde->presser(surCercle(angle, 200));
            } else {
                sonde->bouger(surCercle(angle += d));
            }
        }
        QTEST(SonFactice::lectures, "tics");
        QCOMPARE(SonFactice::arrets, SonFactice::lectures);
        QVERIFY(qAbs(sonde->angleDepuisTic() - reste) < 0.1);
    }

    // A press on the wheel, a double click's second one too, stops a coast
    // and its closing tick; elsewhere it changes nothing.
    void pressionPendantGlissade_data()
    {
        QTest::addColumn<int>("evenement");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("arrete");
        QTest::newRow("double clic") << int(QEvent::MouseButtonDblClick) << QPoint(400, 100) << true;
        QTest::newRow("au bord") << int(QEvent::MouseButtonPress) << QPoint(400, 1) << true;
        QTest::newRow("au rayon") << int(QEvent::MouseButtonPress) << QPoint(400, 0) << false;
    }

    void pressionPendantGlissade()
    {
        QFETCH(int, evenement);
        QFETCH(QPoint, point);
        QFETCH(bool, arrete);
        roue->declencher(8);
        for (int i = 0; i < 10; ++i)
            sonde->image();
        const float angle = sonde->angleRoue();
        sonde->souris(QEvent::Type(evenement), point, Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(sonde->saisi(), arrete);
        QCOMPARE(sonde->topTimer().isActive(), !arrete);
        QCOMPARE(sonde->ticTimer().isActive(), !arrete);
        QCOMPARE(sonde->angleRoue(), angle);
    }

    // A finger drags the wheel by the angle it sweeps and flings it as the
    // mouse does: the touch it leaves unhandled comes to it as mouse events.
    void doigtGlisseEtLance()
    {
        // Qt leaves the device to the test.
        const std::unique_ptr<QPointingDevice> ecran(QTest::createTouchDevice());
        roue->show();
        QVERIFY(QTest::qWaitForWindowExposed(roue.get()));
        QTest::touchEvent(roue.get(), ecran.get()).press(0, surCercle(0, 200), roue.get());
        for (const double angle : {10.0, 20.0, 30.0})
            QTest::touchEvent(roue.get(), ecran.get()).move(0, surCercle(angle, 200), roue.get());
        QVERIFY(sonde->saisi());
        QVERIFY2(qAbs(sonde->angleRoue() - 30) < 0.5, qPrintable(QString::number(sonde->angleRoue())));
        // The last step, 1.5 degrees, launches the wheel at 1.
        QTest::touchEvent(roue.get(), ecran.get()).move(0, surCercle(31.5, 200), roue.get());
        QTest::touchEvent(roue.get(), ecran.get()).release(0, surCercle(31.5, 200), roue.get());
        QCOMPARE(sonde->vitesse(), 1.0f);
        QVERIFY(sonde->topTimer().isActive());
    }

    void disposition_data()
    {
        QTest::addColumn<QSize>("widget");
        QTest::addColumn<QRect>("roue");
        QTest::addColumn<QRect>("legende");
        QTest::addColumn<QRect>("grain");
        QTest::addColumn<QPointF>("origineLogo");
        QTest::addColumn<QSize>("logo");
        QTest::addColumn<float>("rayon"); // of the grabbable disc
        QTest::newRow("800x1000") << QSize(800, 1000) << QRect(-500, -500, 1000, 1000)
                                  << QRect(168, 0, 232, 500) << QRect(-28, -25, 56, 50)
                                  << QPointF(632.0, 10.0) << QSize(160, 79) << 400.0f;
        QTest::newRow("1024x768") << QSize(1024, 768) << QRect(-384, -384, 768, 768)
                                  << QRect(334, 0, 178, 384) << QRect(-26, -24, 53, 48)
                                  << QPointF(860.76, 7.68) << QSize(153, 76) << 384.0f;
        // A picture without pixels is left out instead of being divided by.
        QTest::newRow("widget vide") << QSize(0, 0) << QRect(0, 0, 0, 0) << QRect(0, 0, 0, 0)
                                     << QRect(0, 0, 0, 0) << QPointF(0, 0) << QSize(0, 0) << 0.0f;
    }

    void disposition()
    {
        QFETCH(QSize, widget);
        const Disposition d =
            disposer(widget, GeometrieRoue::tailleGrain, legende, GeometrieRoue::tailleLogo);
        QCOMPARE(d.centre, QPoint(widget.width() / 2, widget.height() / 2));
        QTEST(d.roue, "roue");
        QTEST(d.legende, "legende");
        QTEST(d.grain, "grain");
        QTEST(d.logo, "logo");
        QTEST(rayonRoue(widget), "rayon");
        QTEST(d.origineLogo, "origineLogo");
        for (const QSize vide : {QSize(0, 91), QSize(100, 0)}) {
            const Disposition sans = disposer(widget, vide, vide, vide);
            QVERIFY(sans.grain.isEmpty() && sans.legende.isEmpty() && sans.logo.isEmpty());
        }
    }

    // The window's sizes (its title, as the desktop shows it, is
    // tst_e2e's); its button shows the sound's state and mutes a coast
    // without stopping it.
    void basculeDuSon()
    {
        MainWindow fenetre;
        QCOMPARE(fenetre.minimumSize(), QSize(600, 800));
        QCOMPARE(fenetre.centralWidget()->minimumSize(), QSize(800, 600));
        auto *bouton = fenetre.findChild<QToolButton *>();
        auto *zone = qobject_cast<ZoneRoue *>(fenetre.centralWidget());
        QVERIFY(bouton && zone);
        Sonde sondeZone(*zone);
        const auto apparence = [](const QIcon &icone) { return icone.pixmap(80, 80).toImage(); };
        const QImage avec = apparence(QIcon(QStringLiteral(":assets/sound.png")));
        const QImage sans = apparence(QIcon(QStringLiteral(":assets/soundoff.png")));
        QVERIFY(avec != sans);
        QCOMPARE(apparence(bouton->icon()), avec);
        zone->declencher(10);
        for (int clic = 1; clic <= 3; ++clic) {
            QTest::mouseClick(bouton, Qt::LeftButton);
            sondeZone.ticAuto();
            QCOMPARE(apparence(bouton->icon()), clic % 2 ? sans : avec);
            QCOMPARE(SonFactice::lectures, clic / 2);
            QCOMPARE(SonFactice::arrets, clic);
            QVERIFY(sondeZone.topTimer().isActive());
        }
    }

private:
    std::unique_ptr<ZoneRoue> roue;
    std::unique_ptr<Sonde> sonde;
};

QTEST_MAIN(TestRoue)
#include "tst_roue.moc"
