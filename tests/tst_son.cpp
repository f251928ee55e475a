#include "son.h"
#include "wav.h"

#include <QtEndian>
#include <QtTest>

#if QT_VERSION_MAJOR < 6
#include <QAudioDeviceInfo>
#else
#include <QAudioDevice>
#include <QMediaDevices>
#endif

#include <memory>

#include <sys/stat.h>

namespace {

const QByteArray pcm = QByteArray::fromHex("0100ff7f0080fffe");

QByteArray fichier(int bits = 16, int canaux = 1, const QByteArray &donnees = pcm)
{
    return ecrireWav({formatWav(8000, canaux, bits), donnees});
}

// The file with a little-endian value of `octets` bytes written at `position`.
QByteArray modifie(QByteArray f, int position, quint32 valeur, int octets = 2)
{
    char le[4];
    qToLittleEndian(valeur, le);
    return f.replace(position, octets, le, octets);
}

// A second of sound, in a file of the directory.
QString sonLong(const QTemporaryDir &dossier)
{
    QFile f(dossier.filePath("long.wav"));
    return f.open(QIODevice::WriteOnly)
                   && f.write(ecrireWav({formatWav(44100, 1, 16), QByteArray(88200, 0x40)})) > 0
               ? f.fileName()
               : QString();
}

} // namespace

class TestSon : public QObject
{
    Q_OBJECT

private slots:
    // Qt's audio engine lives in the thread that first asks for it, and
    // learns there that the server went away: here the main thread, which
    // outlives every sound.
    void initTestCase()
    {
#if QT_VERSION_MAJOR < 6
        QAudioDeviceInfo::defaultOutputDevice();
#else
        QMediaDevices::defaultAudioOutput();
#endif
    }

    void lecture_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<int>("gardes"); // PCM bytes kept, 0 for silence
        const QByteArray f = fichier();
        const QByteArray entete = f.left(12), format = f.mid(12, 24), donnees = f.mid(36);
        QTest::newRow("mono 16 bits") << f << 8;
        QTest::newRow("stéréo 8 bits") << fichier(8, 2) << 8;
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
        QTest::newRow("trame incomplète coupée") << fichier(16, 1, pcm.left(7)) << 6;

        QTest::newRow("vide") << QByteArray() << 0;
        QTest::newRow("entête tronqué") << f.left(20) << 0;
        QTest::newRow("pas un WAV") << QByteArray("ID3\x04 not a wave at all, just text") << 0;
        QTest::newRow("RIFF d'autre chose") << QByteArray(f).replace(8, 4, "AVI ") << 0;
        QTest::newRow("données annoncées au-delà du fichier") << modifie(f, 40, 0x7ffffff0, 4) << 0;
        QTest::newRow("morceau annoncé au-delà du fichier") << modifie(f, 16, 0xfffffff0, 4) << 0;
        QTest::newRow("sans données") << entete + format << 0;
        QTest::newRow("sans format") << entete + donnees << 0;
        QTest::newRow("flottant") << modifie(fichier(16, 2), 20, 3) << 0;
        QTest::newRow("24 bits") << modifie(modifie(f, 34, 24), 32, 3) << 0;
        QTest::newRow("32 bits") << modifie(modifie(fichier(16, 2), 34, 32), 32, 4) << 0;
        QTest::newRow("sans canal") << modifie(modifie(f, 22, 0), 32, 0) << 0;
        QTest::newRow("fréquence nulle") << modifie(f, 24, 0, 4) << 0;
        QTest::newRow("données vides") << fichier(16, 1, QByteArray()) << 0;
    }

    void lecture()
    {
        QFETCH(QByteArray, octets);
        QFETCH(int, gardes);
        const Wav wav = lireWav(octets);
        QCOMPARE(wav.pcm, pcm.left(gardes));
        QCOMPARE(wav.isNull(), gardes == 0);
        if (gardes)
            QCOMPARE(ecrireWav(wav).mid(22, 14), octets.mid(octets.indexOf("fmt ") + 10, 14));
    }

    // Files that are not plain, small files are never read.
    void fichiersRefuses()
    {
        QTemporaryDir dossier;
        QVERIFY(chargerWav(dossier.filePath("absent.wav")).isNull());
        QVERIFY(chargerWav(dossier.path()).isNull());
        const QString tube = dossier.filePath("tube.wav");
        QCOMPARE(mkfifo(QFile::encodeName(tube).constData(), 0600), 0);
        QVERIFY(chargerWav(tube).isNull());
        QFile gros(dossier.filePath("gros.wav"));
        QVERIFY(gros.open(QIODevice::WriteOnly) && gros.write(fichier()) > 0);
        QVERIFY(gros.resize(qint64(50) * 1024 * 1024));
        QVERIFY(chargerWav(gros.fileName()).isNull());
    }

    // Closed while it plays: the audio output frees its device as it closes
    // and runs the event loop; nothing may write to that device after (the
    // sanitized build reports it).
    void fermetureEnJouant()
    {
        QTemporaryDir dossier;
        for (int essai = 0; essai < 10; ++essai) {
            Son son(sonLong(dossier));
            son.play();
            QTest::qWait(20 + 5 * essai);
        }
    }

    // The audio server drops the program while it plays: the output closes
    // by itself and frees its device. The ticks after it are silent, and
    // neither they nor closing the sound, as closing the window does, may
    // hold the program up.
    void serveurPerdu()
    {
        QTemporaryDir dossier;
        auto son = std::make_unique<Son>(sonLong(dossier));
        son->play();
        QTest::qWait(300);
        const QString pid = QString::number(QCoreApplication::applicationPid());
        QCOMPARE(QProcess::execute("sh", {"-c", "pacmd list-clients | awk '/index:/ {c = $2} /process.id = \""
                                                    + pid + "\"/ {print c}' | xargs -rn1 pacmd kill-client"}),
                 0);
        for (int tic = 0; tic < 10; ++tic) {
            QTest::qWait(50);
            son->play();
        }
        QTest::qWait(300);
        // Closing waits for the sound's thread: if it no longer answers,
        // the test function times out here.
        son.reset();
    }
};

QTEST_GUILESS_MAIN(TestSon)
#include "tst_son.moc"
