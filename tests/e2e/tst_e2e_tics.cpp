#include "appli.h"
#include "bureau.h"
#include "enregistrement.h"

#include <QtTest>

namespace {

// A tick broken by a stall of the program, whose stream then runs dry,
// resumes later; this is how far apart, in s, its parts are taken as one.
constexpr double memeTic = 0.1;
// How long a tick may come after it was played, in ms, to be counted.
constexpr int delaiEcoute = 500;
// How much shorter than an earlier one a coast tick's gap may seem, in ms:
// twice the lateness of a tick under load.
constexpr double jeu = 80;

} // namespace

class TestTics : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(bureau.demarrer(), qPrintable(bureau.erreur()));
        QVERIFY(appli.demarrer(QStringLiteral(DRAVOUNE_DOSSIER_TIC)));
    }

    void glisser_data()
    {
        QTest::addColumn<double>("angle");
        QTest::newRow("counter-clockwise") << 200.0;
        QTest::newRow("clockwise") << -200.0;
    }

    // A slow drag ticks once per 30 degrees or so.
    void glisser()
    {
        QFETCH(double, angle);
        Enregistrement enregistrement(bureau);
        QVERIFY(enregistrement.demarrer());
        const Appli::Geste geste = appli.glisser(0, angle, 4.5, 0.5);
        QVERIFY(qAbs(geste.dernierPas) < 1);
        QTest::qWait(delaiEcoute);
        const int attendus = int(qAbs(geste.angle) / 30);
        const int tics = enregistrement.attaques(memeTic).size();
        QVERIFY2(qAbs(tics - attendus) <= 1, qPrintable(QString("%1 ticks for %2 degrees").arg(tics).arg(geste.angle)));
    }

    // A coast ticks at gaps that grow as it slows down, and once more after
    // the wheel has stopped.
    void elan()
    {
        Enregistrement enregistrement(bureau);
        QVERIFY(enregistrement.demarrer());
        QVERIFY(appli.glisser(0, 20, 2, 5.5).dernierPas >= 5);
        const double lacher = Bureau::horloge();
        double dernierMouvement = 0;
        QVERIFY(!appli.ecranImmobile(30000, &dernierMouvement).isNull());
        // The closing tick comes at most one slowest period, 10 s, later;
        // then nothing more.
        int jusquACloture = 0;
        const bool cloture = Bureau::attendre([&] {
            const QVector<double> attaques = enregistrement.attaquesMs(memeTic);
            jusquACloture = attaques.size();
            return !attaques.isEmpty() && attaques.last() > dernierMouvement;
        }, 12000);
        QTest::qWait(2000);
        const QVector<double> attaques = enregistrement.attaquesMs(memeTic);
        enregistrement.arreter();
        QVERIFY2(cloture, "no tick after the wheel stopped");
        QCOMPARE(attaques.size(), jusquACloture);

        // Drag ticks play at the moves, before the release.
        QVector<double> ecarts;
        for (int i = 1; i < attaques.size(); ++i)
            if (attaques[i - 1] > lacher - 100)
                ecarts << attaques[i] - attaques[i - 1];
        qInfo() << "gaps between coast ticks, in ms:" << ecarts;
        QVERIFY(ecarts.size() >= 10);
        double plusLong = 0;
        for (double ecart : ecarts) {
            QVERIFY(ecart > plusLong - jeu);
            plusLong = std::max(plusLong, ecart);
        }
        QVERIFY(ecarts.last() > 3 * ecarts.first());
    }

    // One click on the button mutes the next coast; a second brings the
    // ticks back.
    void basculeDuSon()
    {
        const Ecran repos = appli.ecranImmobile();
        for (const bool actif : {false, true}) {
            QVERIFY(appli.cliquer(repos.iconeSon().center()));
            const QString icone = actif ? "sound.png" : "soundoff.png";
            QVERIFY(Bureau::attendre([&] { return appli.ecran().montreIcone(icone); }, 5000));

            Enregistrement enregistrement(bureau);
            QVERIFY(enregistrement.demarrer());
            QVERIFY(appli.glisser(0, 20, 2, 5.5).dernierPas >= 5);
            const Ecran lance = appli.ecran();
            QTest::qWait(3000);
            QVERIFY2(appli.ecran() != lance, "the wheel does not coast");
            const int tics = enregistrement.attaques(memeTic).size();
            QVERIFY2(actif ? tics >= 10 : tics == 0, qPrintable(QString("%1 ticks").arg(tics)));
            // A press on the wheel stops it before its closing tick.
            QVERIFY(appli.cliquer(QPoint(repos.taille().width() / 2, repos.taille().height() / 3)));
            QVERIFY(!appli.ecranImmobile().isNull());
        }
    }

private:
    Bureau bureau;
    Appli appli{bureau};
};

QTEST_GUILESS_MAIN(TestTics)
#include "tst_e2e_tics.moc"
