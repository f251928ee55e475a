#include "appli.h"
#include "enregistrement.h"
#include "essais.h"
#include "son.h"
#include "wav.h"

#include <QtTest>

#include <sys/stat.h>

namespace {

const QByteArray pcm = QByteArray::fromHex("0100ff7f0080fffe");

QByteArray fichierWav(int bits = 16, int canaux = 1, const QByteArray &donnees = pcm)
{
    return ecrireWav({{8000, canaux, bits}, donnees});
}

// The file with a little-endian value of `octets` bytes written at `position`.
QByteArray modifie(QByteArray f, int position, quint32 valeur, int octets = 2)
{
    char le[4];
    qToLittleEndian(valeur, le);
    return f.replace(position, octets, le, octets);
}

const QString tic = QStringLiteral(DRAVOUNE_DOSSIER_TIC "/" DRAVOUNE_TIC);

// How many of the audio server's clients are this process; -1 when pactl
// gets no answer.
int nosClients()
{
    const QString clients = pactl({"list", "clients"});
    const QString nous =
        QStringLiteral("application.process.id = \"%1\"").arg(QCoreApplication::applicationPid());
    return clients.isNull() ? -1 : int(clients.count(nous));
}

// How many of `n` plays, 200 ms apart, the sink heard.
int entendus(Son &son, int n, const QString &sortie = QStringLiteral("nul"))
{
    Enregistrement enregistrement(sortie);
    if (!enregistrement.demarrer())
        return -1;
    for (int i = 0; i < n; ++i) {
        son.play();
        QTest::qWait(200);
    }
    QTest::qWait(300);
    return int(enregistrement.attaques().size());
}

} // namespace

class TestSon : public QObject
{
    Q_OBJECT

private slots:
    void seulLePcmEntierEstLu_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<int>("gardes"); // PCM bytes kept, 0 for silence
        const QByteArray f = fichierWav();
        const QByteArray entete = f.left(12), format = f.mid(12, 24), donnees = f.mid(36);
        QTest::newRow("mono 16 bits") << f << 8;
        QTest::newRow("stéréo 8 bits") << fichierWav(8, 2) << 8;
        QTest::newRow("morceau inconnu, impair")
            << entete + format + "LIST" + QByteArray::fromHex("03000000") + "abc" + '\0' + donnees << 8;
        QTest::newRow("données avant le format") << entete + donnees + format << 8;
        // WAVE_FORMAT_EXTENSIBLE: the coding is the sub-format GUID's.
        const auto extensible = [&](const char *guid) {
            return entete + "fmt " + QByteArray::fromHex("28000000") + modifie(format.mid(8), 0, 0xFFFE)
                   + QByteArray::fromHex("1600100004000000") + QByteArray::fromHex(guid) + donnees;
        };
        QTest::newRow("extensible, PCM 16 bits") << extensible("0100000000001000800000aa00389b71") << 8;
        QTest::newRow("extensible, flottant") << extensible("0300000000001000800000aa00389b71") << 0;
        QTest::newRow("extensible, GUID étranger") << extensible("01000000000000000000000000000000") << 0;
        QTest::newRow("trame incomplète coupée") << fichierWav(16, 1, pcm.left(7)) << 6;

        QTest::newRow("vide") << QByteArray() << 0;
        QTest::newRow("RIFX") << QByteArray(f).replace(0, 4, "RIFX") << 0;
        QTest::newRow("RIFF d'autre chose") << QByteArray(f).replace(8, 4, "AVI ") << 0;
        QTest::newRow("données annoncées au-delà du fichier") << modifie(f, 40, 0x7ffffff0, 4) << 0;
        QTest::newRow("morceau annoncé au-delà du fichier") << modifie(f, 16, 0xfffffff0, 4) << 0;
        QTest::newRow("sans données") << entete + format << 0;
        QTest::newRow("sans format") << entete + donnees << 0;
        QTest::newRow("flottant") << modifie(fichierWav(16, 2), 20, 3) << 0;
        QTest::newRow("24 bits") << modifie(modifie(f, 34, 24), 32, 3) << 0;
        QTest::newRow("sans canal") << modifie(modifie(f, 22, 0), 32, 0) << 0;
        QTest::newRow("fréquence nulle") << modifie(f, 24, 0, 4) << 0;
    }

    void seulLePcmEntierEstLu()
    {
        QFETCH(QByteArray, octets);
        QFETCH(int, gardes);
        const Wav wav = lireWav(octets);
        QCOMPARE(wav.pcm, pcm.left(gardes));
        QCOMPARE(wav.isNull(), gardes == 0);
        if (gardes)
            QCOMPARE(ecrireWav(wav).mid(22, 14), octets.mid(octets.indexOf("fmt ") + 10, 14));
    }

    // Files that are not plain files are never read. A missing or too
    // large one is tst_e2e's fichierTic's, as the program meets it.
    void fichiersRefuses()
    {
        QTemporaryDir dossier;
        QVERIFY(chargerWav(dossier.path()).isNull());
        const QString tube = dossier.filePath("tube.wav");
        QCOMPARE(mkfifo(QFile::encodeName(tube).constData(), 0600), 0);
        QVERIFY(chargerWav(tube).isNull());
    }

    // Closed while it plays: the stream goes with it, and nothing may write
    // to it after (the sanitized build reports it). The server has no
    // client of ours left.
    void fermetureEnJouant()
    {
        QTemporaryDir dossier;
        QFile f(dossier.filePath("long.wav"));
        QVERIFY(f.open(QIODevice::WriteOnly)
                && f.write(ecrireWav({{44100, 1, 16}, QByteArray(88200, 0x40)})) > 0);
        f.close();
        for (int essai = 0; essai < 10; ++essai) {
            Son son(f.fileName());
            son.play();
            QTest::qWait(20 + 5 * essai);
        }
        QTRY_COMPARE(nosClients(), 0);
    }

    void serveurPerdu_data()
    {
        QTest::addColumn<bool>("avant");
        QTest::newRow("server restarted") << false;
        QTest::newRow("started before the server") << true;
    }

    // The server goes away while the sound plays and comes back, or comes
    // only after the sound was made: the ticks come back with it. While it
    // is away a tick does not hold up the thread that plays it.
    void serveurPerdu()
    {
        QFETCH(bool, avant);
        auto serveurLa = qScopeGuard([] { Appli::bureau({"son", "start"}); });
        if (avant)
            QVERIFY(Appli::bureau({"son", "stop"}));
        Son son(tic);
        if (!avant) {
            // The recording's opening burst may hold the sound before.
            QVERIFY(entendus(son, 3) >= 3);
            QVERIFY(Appli::bureau({"son", "stop"}));
        }
        // Far above what five plays take, far below a wait for the server.
        QElapsedTimer chrono;
        chrono.start();
        for (int i = 0; i < 5; ++i)
            son.play();
        const qint64 ms = chrono.elapsed();
        QVERIFY2(ms < 500, qPrintable(QString("5 ticks took %1 ms").arg(ms)));
        QVERIFY(Appli::bureau({"son", "start"}));
        serveurLa.dismiss();
        // The first tick connects; one that comes while it does starts the
        // sound again rather than after it. The recording may begin with
        // a burst of what the sink played just before, that tick included.
        son.play();
        QTest::qWait(500);
        const int n = entendus(son, 5);
        QVERIFY2(n == 5 || n == 6, qPrintable(QString("%1 ticks heard of 5").arg(n)));
        QCOMPARE(nosClients(), 1);
    }

    // Once the server has come back, the sound plays on the output the
    // user picks, as it changes.
    void sortieParDefaut()
    {
        Son son(tic);
        QVERIFY(Appli::bureau({"son", "stop"}));
        QVERIFY(Appli::bureau({"son", "start"}));
        QVERIFY(entendus(son, 1) >= 1);
        const QString numero = pactl({"load-module", "module-null-sink", "sink_name=autre"});
        QVERIFY(!numero.isEmpty());
        const auto retablir = qScopeGuard([&numero] {
            QProcess::execute("pactl", {"set-default-sink", "nul"});
            QProcess::execute("pactl", {"unload-module", numero});
        });
        QCOMPARE(QProcess::execute("pactl", {"set-default-sink", "autre"}), 0);
        QCOMPARE(entendus(son, 3, "autre"), 3);
        QCOMPARE(QProcess::execute("pactl", {"set-default-sink", "nul"}), 0);
        QVERIFY(entendus(son, 3) >= 3);
    }
};

QTEST_GUILESS_MAIN(TestSon)
#include "tst_son.moc"
