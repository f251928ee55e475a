#include "bureau.h"
#include "enregistrement.h"
#include "sonde.h"
#include "zoneroue.h"

#include <QApplication>
#include <QtTest>

#include <algorithm>

namespace {

// A tick must be heard within this many ms of being due.
constexpr double toleranceMs = 30;

struct Resume
{
    double mediane;
    double pire;
};

Resume resumer(QVector<double> ecarts)
{
    for (double &e : ecarts)
        e = qAbs(e);
    std::sort(ecarts.begin(), ecarts.end());
    return {ecarts[ecarts.size() / 2], ecarts.last()};
}

// Times in ms from the first one.
QString depuisPremier(const QVector<double> &temps)
{
    QStringList texte;
    for (double t : temps)
        texte << QString::number(qRound(t - temps.first()));
    return texte.join(' ');
}

} // namespace

// The wheel's own sound path, timed against its spin model: the wheel runs
// in this process, on this test's display and audio server, so that each
// tick is seen when it is played and then found in the recording.
class TestPonctualite : public QObject
{
    Q_OBJECT

public:
    explicit TestPonctualite(const Bureau &bureau) : bureau(bureau) {}

private slots:
    void ticsEntendusAlHeure()
    {
        ZoneRoue roue(QStringLiteral(DRAVOUNE_DOSSIER_TIC "/assets/tic-ancien1.wav"), nullptr);
        roue.resize(800, 800);
        roue.show();
        QVERIFY(QTest::qWaitForWindowExposed(&roue));
        Sonde sonde(roue);

        // The tick timer's slot plays the tick and re-arms the timer for
        // the next one; this runs right after it.
        QVector<double> joues;
        QVector<double> dus;
        double prochain = 0;
        connect(&sonde.ticTimer(), &QTimer::timeout, &roue, [&] {
            joues << Bureau::horloge();
            dus << prochain;
            prochain = joues.last() + sonde.ticTimer().interval();
        });

        Enregistrement enregistrement(bureau);
        QVERIFY(enregistrement.demarrer());
        roue.declencher(10);
        prochain = Bureau::horloge() + sonde.ticTimer().interval();
        // The closing tick, after the wheel has stopped, stops the timer.
        QTRY_VERIFY_WITH_TIMEOUT(!sonde.ticTimer().isActive(), 30000);
        QTest::qWait(500);
        const QVector<double> entendus = enregistrement.attaquesMs();
        enregistrement.arreter();

        QCOMPARE(sonde.ticsJoues(), joues.size());
        // A tick cut by a stream run dry, and resumed later, is heard twice.
        QVERIFY2(entendus.size() == joues.size(), qPrintable(QString("played at %1\nheard at %2")
                 .arg(depuisPremier(joues), depuisPremier(entendus))));
        QVector<double> retards, sorties, ecarts;
        for (int i = 0; i < joues.size(); ++i) {
            retards << joues[i] - dus[i];
            sorties << (entendus[i] - entendus[0]) - (joues[i] - joues[0]);
            ecarts << (entendus[i] - entendus[0]) - (dus[i] - dus[0]);
        }
        const Resume retard = resumer(retards), sortie = resumer(sorties), ecart = resumer(ecarts);
        qInfo("%d ticks. Played after due: median %.1f ms, max %.1f ms. Heard after played, "
              "first aligned: median %.1f ms, max %.1f ms. Heard after due, first aligned: "
              "median %.1f ms, max %.1f ms.", int(joues.size()), retard.mediane, retard.pire,
              sortie.mediane, sortie.pire, ecart.mediane, ecart.pire);
        QVERIFY(ecart.pire <= toleranceMs);
    }

private:
    const Bureau &bureau;
};

int main(int argc, char *argv[])
{
    // The display and the audio server must exist before the application
    // object opens the one and the wheel's sound the other.
    Bureau bureau;
    if (!bureau.demarrer()) {
        qCritical("%s", qPrintable(bureau.erreur()));
        return 1;
    }
    bureau.adopter();
    QApplication application(argc, argv);
    TestPonctualite test(bureau);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_e2e_ponctualite.moc"
