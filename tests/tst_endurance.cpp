#include "sonde.h"
#include "zoneroue.h"

#include <QtTest>

#include <cmath>
#include <unistd.h>

namespace {

long residentKo()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> champs = statm.readAll().split(' ');
    return champs.value(1).toLong() * (sysconf(_SC_PAGESIZE) / 1024);
}

} // namespace

// A day at a shop counter in fast time: a million coast frames and a
// hundred thousand drags, all turning the same way.
class TestEndurance : public QObject
{
    Q_OBJECT

private slots:
    void uneJournee()
    {
        ZoneRoue roue(QString(), nullptr);
        roue.resize(800, 600);
        roue.show();
        QVERIFY(QTest::qWaitForWindowExposed(&roue));
        Sonde s(roue);
        const int enfants = roue.findChildren<QObject *>().size();
        const int timers = roue.findChildren<QTimer *>().size();

        long double exact = 0;   // the same turns, added without rounding
        long referenceKo = 0;
        int images = 0;
        int nombreDrags = 0;
        for (; images < 1000000 || nombreDrags < 100000; ++nombreDrags) {
            // A drag of five moves a quarter of the way round, then a fling.
            const float avant = s.angleRoue();
            s.presser(600, 300);
            s.bouger(600, 250);
            s.bouger(500, 150);
            s.bouger(400, 120);
            s.bouger(300, 160);
            s.lacher(300, 160);
            exact += (long double)s.angleRoue() - avant;   // the drag's own rounding is not the point
            while (s.topTimer().isActive() && images < 1000000) {
                exact += s.vitesse();
                s.image();
                if (++images % 20000 == 0) {
                    s.ticAuto();
                    QCoreApplication::processEvents();   // paints the pending frame
                }
                if (images == 1000)
                    referenceKo = residentKo();
            }
            QVERIFY(s.etatSain());
        }
        const long finKo = residentKo();
        // Whole turns are taken off the angle as it grows; compare modulo 360.
        const double derive = std::remainder(double(s.angleRoue() - exact), 360.0);
        qInfo("%d frames, %d drags: turned %.1f degrees; angle %.4f, %.4f degrees from exact arithmetic",
              images, nombreDrags, double(exact), double(s.angleRoue()), derive);
        qInfo("resident memory %ld kB after 1000 frames, %ld kB at the end", referenceKo, finKo);
#ifndef __SANITIZE_ADDRESS__
        // AddressSanitizer keeps freed memory in quarantine: there the
        // resident size says nothing about leaks, LeakSanitizer does.
        QVERIFY(finKo - referenceKo < 1024);
#endif
        QCOMPARE(roue.findChildren<QObject *>().size(), enfants);
        QCOMPARE(roue.findChildren<QTimer *>().size(), timers);
    }
};

QTEST_MAIN(TestEndurance)
#include "tst_endurance.moc"
