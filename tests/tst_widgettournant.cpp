#include "cinematique.h"
#include "sonde.h"
#include "zoneroue.h"

#include <QtTest>

#include <cmath>

namespace {

const QPoint centre(400, 300);

// Point at `degres` counter-clockwise on screen from three o'clock, `rayon`
// pixels from the centre, rounded to the pixel grid.
QPoint surCercle(double degres, double rayon = 1000.0)
{
    const double a = qDegreesToRadians(degres);
    return centre + QPoint(qRound(rayon * std::cos(a)), -qRound(rayon * std::sin(a)));
}

// Signed counter-clockwise angle from p to q about the centre, in (-180, 180].
double balayage(QPoint p, QPoint q)
{
    const QPoint u = p - centre, v = q - centre;
    return qRadiansToDegrees(std::atan2(-(double(u.x()) * v.y() - double(u.y()) * v.x()),
                                        double(u.x()) * v.x() + double(u.y()) * v.y()));
}

} // namespace

class TestWidgetTournant : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        roue.reset(new ZoneRoue(QString(), nullptr));
        roue->resize(800, 600);
        sonde.reset(new Sonde(*roue));
        sonde->calculerCentre();
    }

    void metaObjet()
    {
        const QMetaObject *mo = &WidgetTournant::staticMetaObject;
        QCOMPARE(mo->methodCount() - mo->methodOffset(), 3);
        QCOMPARE(mo->method(mo->methodOffset()).methodSignature(), QByteArray("gererTopTimer()"));
        QCOMPARE(mo->method(mo->methodOffset() + 1).methodSignature(), QByteArray("ticAutoRoue()"));
        QCOMPARE(mo->method(mo->methodOffset() + 2).methodSignature(), QByteArray("declencher(int)"));
        QCOMPARE(mo->method(mo->methodOffset() + 2).access(), QMetaMethod::Public);
        QCOMPARE(ZoneRoue::staticMetaObject.methodCount(), mo->methodCount());
    }

    void pasSigne_data()
    {
        QTest::addColumn<double>("de");
        QTest::addColumn<double>("vers");
        const struct { const char *nom; double de, vers; } cas[] = {
            {"haut-droite, trigo", 20, 60}, {"haut-droite, horaire", 60, 20},
            {"haut-gauche, trigo", 110, 150}, {"haut-gauche, horaire", 150, 110},
            {"bas-gauche, trigo", 200, 240}, {"bas-gauche, horaire", 240, 200},
            {"bas-droite, trigo", 290, 330}, {"bas-droite, horaire", 330, 290},
            {"par l'horizontale droite", 350, 10}, {"par l'horizontale gauche", 170, 190},
            {"par la verticale haute, trigo", 80, 100}, {"par la verticale haute, horaire", 100, 80},
            {"par la verticale basse, trigo", 260, 280}, {"par la verticale basse, horaire", 280, 260},
            {"depuis l'aplomb haut, trigo", 90, 100}, {"depuis l'aplomb haut, horaire", 90, 80},
            {"depuis l'aplomb bas, trigo", 270, 280}, {"depuis l'aplomb bas, horaire", 270, 260},
            {"grand pas", 0, 170}, {"grand pas en arrière", 0, -170},
        };
        for (const auto &c : cas)
            QTest::newRow(c.nom) << c.de << c.vers;
    }

    void pasSigne()
    {
        QFETCH(double, de);
        QFETCH(double, vers);
        const QPoint p = surCercle(de, 200), q = surCercle(vers, 200);
        sonde->presser(p.x(), p.y());
        sonde->bouger(q.x(), q.y());
        QVERIFY(qAbs(sonde->dernierPas() - balayage(p, q)) < 1e-3);
        QVERIFY(qAbs(sonde->angleRoue() - balayage(p, q)) < 1e-3);
    }

    // Moves with no defined angle give a finite step.
    void pasDegenere_data()
    {
        QTest::addColumn<QPoint>("de");
        QTest::addColumn<QPoint>("vers");
        QTest::addColumn<double>("pas");
        QTest::newRow("depuis le centre") << centre << QPoint(500, 250) << 0.0;
        QTest::newRow("vers le centre") << QPoint(500, 250) << centre << 0.0;
        QTest::newRow("même pixel") << QPoint(123, 45) << QPoint(123, 45) << 0.0;
        QTest::newRow("à travers le centre") << QPoint(500, 300) << QPoint(300, 300) << 180.0;
        QTest::newRow("à travers le centre, vertical") << QPoint(400, 200) << QPoint(400, 400) << 180.0;
    }

    void pasDegenere()
    {
        QFETCH(QPoint, de);
        QFETCH(QPoint, vers);
        QFETCH(double, pas);
        sonde->presser(de.x(), de.y());
        sonde->bouger(vers.x(), vers.y());
        QVERIFY(std::isfinite(sonde->dernierPas()));
        QCOMPARE(qAbs(double(sonde->dernierPas())), pas);
    }

    // Along a ray from the centre the distances, rounded to float, may carry
    // the cosine out of its domain; the step must stay a tiny finite angle.
    void pasLeLongDesRayons()
    {
        for (int dx = -7; dx <= 7; ++dx) {
            for (int dy = -7; dy <= 7; ++dy) {
                for (int k = 1; k < 40; ++k) {
                    const float a = angleBalaye(0, 0, k * dx, k * dy, (k + 1) * dx, (k + 1) * dy);
                    QVERIFY2(std::isfinite(a) && a < 0.1f, qPrintable(QString("%1,%2 x%3").arg(dx).arg(dy).arg(k)));
                }
            }
        }
    }

    void lancementTronque_data()
    {
        QTest::addColumn<double>("pas");
        QTest::addColumn<float>("vitesse");
        QTest::newRow("2,9") << 2.9 << 2.0f;
        QTest::newRow("-2,9") << -2.9 << -2.0f;
        QTest::newRow("0,7") << 0.7 << 0.0f;
        QTest::newRow("-0,7") << -0.7 << 0.0f;
        QTest::newRow("37,6") << 37.6 << 37.0f;
    }

    void lancementTronque()
    {
        QFETCH(double, pas);
        QFETCH(float, vitesse);
        const QPoint p = surCercle(40, 250), q = surCercle(40 + pas, 250);
        sonde->presser(p.x(), p.y());
        sonde->bouger(q.x(), q.y());
        QVERIFY(qAbs(sonde->dernierPas() - pas) < 0.3);
        sonde->lacher(q.x(), q.y());
        QVERIFY(!sonde->saisi());
        QCOMPARE(sonde->vitesse(), vitesse);
        QVERIFY(sonde->topTimer().isActive());
        QCOMPARE(sonde->topTimer().interval(), 20);
        QCOMPARE(sonde->ticTimer().isActive(), vitesse != 0.0f);
        if (vitesse == 0.0f) {
            sonde->image();
            QVERIFY(!sonde->topTimer().isActive());
        }
    }

    void periodeDesTics_data()
    {
        QTest::addColumn<float>("vitesse");
        QTest::addColumn<int>("periode");
        QTest::newRow("1") << 1.0f << 500;
        QTest::newRow("2") << 2.0f << 250;
        QTest::newRow("3") << 3.0f << 166;
        QTest::newRow("4") << 4.0f << 150;
        QTest::newRow("10") << 10.0f << 150;
        QTest::newRow("-3") << -3.0f << 166;
        QTest::newRow("0,1") << 0.1f << 4999;
        QTest::newRow("-0,051") << -0.051f << 9803;
        QTest::newRow("3,4") << 3.4f << 150;
        QTest::newRow("3,3") << 3.3f << 151;
    }

    void periodeDesTics()
    {
        QFETCH(float, vitesse);
        QFETCH(int, periode);
        sonde->setVitesse(vitesse);
        sonde->programmerTic();
        QVERIFY(sonde->ticTimer().isActive());
        QCOMPARE(sonde->ticTimer().interval(), periode);
    }

    void glissade_data()
    {
        QTest::addColumn<int>("lancement");
        QTest::addColumn<int>("images");
        QTest::addColumn<double>("tour");
        QTest::newRow("1") << 1 << 299 << 95.0;
        QTest::newRow("10") << 10 << 528 << 995.0;
        QTest::newRow("-5") << -5 << 459 << -495.0;
    }

    void glissade()
    {
        QFETCH(int, lancement);
        QFETCH(int, images);
        QFETCH(double, tour);
        QMetaObject::invokeMethod(roue.get(), "declencher", Q_ARG(int, lancement));
        // The first tick comes one period after the launch, not at it.
        QCOMPARE(sonde->ticsJoues(), 0);
        QCOMPARE(sonde->ticTimer().interval(), periodeTic(float(lancement)));
        QCOMPARE(sonde->imagesJusquArret(), images);
        QVERIFY(qAbs(sonde->angleRoue() - tour) < 1.0);
        QCOMPARE(sonde->vitesse(), 0.0f);

        // Stopped, the wheel still owes its closing tick, and only that one.
        QVERIFY(sonde->ticTimer().isActive());
        sonde->ticAuto();
        QCOMPARE(sonde->ticsJoues(), 1);
        QVERIFY(!sonde->ticTimer().isActive());
    }

    void ticsGlissadeRalentissent()
    {
        roue->declencher(10);
        int precedente = 0;
        while (sonde->topTimer().isActive()) {
            for (int i = 0; i < 25; ++i)
                sonde->image();
            sonde->ticAuto();
            QVERIFY(sonde->ticTimer().interval() >= precedente);
            precedente = sonde->ticTimer().interval();
        }
        QVERIFY(precedente > 500);
    }

    // Each entry turns the wheel by that many degrees from the last point.
    void ticsDeSaisie_data()
    {
        QTest::addColumn<QList<double>>("pas");
        QTest::addColumn<int>("tics");
        QTest::addColumn<double>("reste");
        QTest::newRow("trois pas sous 30") << QList<double>{9.9, 9.9, 9.9} << 0 << 29.7;
        QTest::newRow("le quatrième passe 30") << QList<double>{9.9, 9.9, 9.9, 9.9} << 1 << 0.0;
        QTest::newRow("45 d'un coup") << QList<double>{45} << 1 << 0.0;
        QTest::newRow("l'excédent est perdu") << QList<double>{45, 20} << 1 << 20.0;
        QTest::newRow("en arrière") << QList<double>{-16, -16} << 1 << 0.0;
        QTest::newRow("aller-retour") << QList<double>{20, -20, 20, -20, 20, -20, 20, -20} << 0 << 0.0;
        QTest::newRow("deux tics") << QList<double>{31, 31} << 2 << 0.0;
    }

    void ticsDeSaisie()
    {
        QFETCH(QList<double>, pas);
        QFETCH(int, tics);
        QFETCH(double, reste);
        double angle = 0;
        QPoint p = surCercle(angle, 280);
        sonde->presser(p.x(), p.y());
        for (double d : pas) {
            p = surCercle(angle += d);
            sonde->bouger(p.x(), p.y());
        }
        QCOMPARE(sonde->ticsJoues(), tics);
        QCOMPARE(sonde->arretsSon(), tics);
        QVERIFY(qAbs(sonde->angleDepuisTic() - reste) < 0.1);
    }

    // Exactly 30 degrees does not tick; anything beyond does.
    void seuilStrict()
    {
        const QPoint p = surCercle(0, 280);
        sonde->presser(p.x(), p.y());
        sonde->setAngleDepuisTic(30.0f);
        sonde->bouger(p.x(), p.y());
        QCOMPARE(sonde->ticsJoues(), 0);
        const QPoint q = surCercle(0.1);
        sonde->bouger(q.x(), q.y());
        QCOMPARE(sonde->ticsJoues(), 1);
    }

    void reportEntreSaisies()
    {
        QPoint p = surCercle(0, 280);
        sonde->presser(p.x(), p.y());
        p = surCercle(12.5);
        sonde->bouger(p.x(), p.y());
        p = surCercle(25);
        sonde->bouger(p.x(), p.y());
        sonde->lacher(p.x(), p.y());
        QVERIFY(sonde->topTimer().isActive());

        const QPoint q = surCercle(90, 200);
        sonde->presser(q.x(), q.y());
        QVERIFY(qAbs(sonde->angleDepuisTic() - 25) < 0.1);
        const QPoint r = surCercle(96, 200);
        sonde->bouger(r.x(), r.y());
        QCOMPARE(sonde->ticsJoues(), 1);
        QCOMPARE(sonde->angleDepuisTic(), 0.0f);
    }

    // A press on the wheel stops a coast and its closing tick; elsewhere it
    // changes nothing.
    void pressionPendantGlissade_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("arrete");
        QTest::addColumn<bool>("saisi");
        QTest::newRow("sur la roue") << QPoint(400, 100) << true << true;
        QTest::newRow("au bord intérieur") << QPoint(400, 1) << true << true;
        QTest::newRow("au rayon") << QPoint(400, 0) << false << false;
        QTest::newRow("dans un coin") << QPoint(10, 10) << false << false;
    }

    void pressionPendantGlissade()
    {
        QFETCH(QPoint, point);
        QFETCH(bool, arrete);
        QFETCH(bool, saisi);
        roue->declencher(8);
        for (int i = 0; i < 10; ++i)
            sonde->image();
        const float angle = sonde->angleRoue();
        sonde->presser(point.x(), point.y());
        QCOMPARE(sonde->saisi(), saisi);
        QCOMPARE(sonde->topTimer().isActive(), !arrete);
        QCOMPARE(sonde->ticTimer().isActive(), !arrete);
        QCOMPARE(sonde->vitesse() == 0.0f, arrete);
        QCOMPARE(sonde->angleRoue(), angle);
    }

    void pressionAnnuleLeTicFinal_data() { pressionPendantGlissade_data(); }

    void pressionAnnuleLeTicFinal()
    {
        QFETCH(QPoint, point);
        QFETCH(bool, arrete);
        roue->declencher(3);
        sonde->imagesJusquArret();
        QVERIFY(sonde->ticTimer().isActive());
        sonde->presser(point.x(), point.y());
        QCOMPARE(sonde->ticTimer().isActive(), !arrete);
    }

    void sonCoupe()
    {
        roue->setSonActif(false);
        roue->declencher(10);
        sonde->ticAuto();
        sonde->ticAuto();
        QCOMPARE(sonde->ticsJoues(), 0);
        QCOMPARE(sonde->arretsSon(), 2);
        roue->setSonActif(true);
        sonde->ticAuto();
        QCOMPARE(sonde->ticsJoues(), 1);
        QCOMPARE(sonde->arretsSon(), 3);
    }

    void curseur_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("forme");
        QTest::newRow("sur la roue") << QPoint(600, 300) << int(Qt::PointingHandCursor);
        QTest::newRow("au rayon") << QPoint(700, 300) << int(Qt::ArrowCursor);
        QTest::newRow("hors de la roue") << QPoint(750, 590) << int(Qt::ArrowCursor);
    }

    void curseur()
    {
        QFETCH(QPoint, point);
        QFETCH(int, forme);
        sonde->bouger(point.x(), point.y());
        QCOMPARE(int(roue->cursor().shape()), forme);
        QCOMPARE(sonde->angleRoue(), 0.0f);
    }

    // Leaving the wheel does not end a drag: the wheel keeps following and a
    // release there still launches it.
    void saisieHorsDeLaRoue()
    {
        const QPoint p = surCercle(0, 200), q = surCercle(20, 2000);
        sonde->presser(p.x(), p.y());
        sonde->bouger(q.x(), q.y());
        QCOMPARE(int(roue->cursor().shape()), int(Qt::ArrowCursor));
        QVERIFY(qAbs(sonde->angleRoue() - 20) < 0.1);
        sonde->lacher(q.x(), q.y());
        QCOMPARE(sonde->vitesse(), std::trunc(sonde->dernierPas()));
        QVERIFY(sonde->topTimer().isActive());
    }

    void toutBouton_data()
    {
        QTest::addColumn<int>("presse");
        QTest::addColumn<int>("lache");
        QTest::newRow("gauche") << int(Qt::LeftButton) << int(Qt::LeftButton);
        QTest::newRow("droit") << int(Qt::RightButton) << int(Qt::RightButton);
        QTest::newRow("milieu, puis gauche") << int(Qt::MiddleButton) << int(Qt::LeftButton);
    }

    void toutBouton()
    {
        QFETCH(int, presse);
        QFETCH(int, lache);
        sonde->presser(500, 300, Qt::MouseButton(presse));
        QVERIFY(sonde->saisi());
        sonde->bouger(500, 250);
        sonde->lacher(500, 250, Qt::MouseButton(lache));
        QVERIFY(!sonde->saisi());
        QCOMPARE(sonde->vitesse(), 26.0f);
    }

    void doubleClicRelanceLaSaisie()
    {
        sonde->presser(500, 300);
        sonde->lacher(500, 300);
        roue->declencher(5);
        sonde->souris(QEvent::MouseButtonDblClick, 500, 300, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(sonde->saisi());
        QVERIFY(!sonde->topTimer().isActive());
    }

    // Without the wheel's hooks every point can be grabbed and the wheel
    // turns about the top-left corner.
    void widgetNu()
    {
        WidgetTournant nu(QString(), nullptr);
        Sonde s(nu);
        s.presser(100, 0);
        s.bouger(0, 100);
        QCOMPARE(s.dernierPas(), -90.0f);
        s.presser(5000, 5000);
        QVERIFY(s.saisi());
    }

private:
    std::unique_ptr<ZoneRoue> roue;
    std::unique_ptr<Sonde> sonde;
};

QTEST_MAIN(TestWidgetTournant)
#include "tst_widgettournant.moc"
