#include "fluxson.h"
#include "son.h"
#include "wav.h"

#include <QtEndian>
#include <QtTest>

#include <sys/stat.h>

namespace {

QByteArray le16(quint16 v) { QByteArray b(2, 0); qToLittleEndian(v, b.data()); return b; }
QByteArray le32(quint32 v) { QByteArray b(4, 0); qToLittleEndian(v, b.data()); return b; }

QByteArray fmt(quint16 codage, quint16 canaux, quint32 frequence, quint16 bits)
{
    const quint16 bloc = quint16(canaux * bits / 8);
    return "fmt " + le32(16) + le16(codage) + le16(canaux) + le32(frequence)
        + le32(frequence * bloc) + le16(bloc) + le16(bits);
}

QByteArray data(const QByteArray &pcm, quint32 annonce)
{
    return "data" + le32(annonce) + pcm;
}

QByteArray riff(const QByteArray &morceaux)
{
    return "RIFF" + le32(quint32(4 + morceaux.size())) + "WAVE" + morceaux;
}

const QByteArray pcm = QByteArray::fromHex("0100ff7f0080fffe");

} // namespace

class TestSon : public QObject
{
    Q_OBJECT

private slots:
    void lecture_data()
    {
        QTest::addColumn<QByteArray>("fichier");
        QTest::addColumn<int>("octets");   // PCM bytes kept, 0 for silence
        QTest::addColumn<int>("bits");

        const QByteArray f16 = fmt(1, 1, 44100, 16);
        QTest::newRow("mono 16 bits") << riff(f16 + data(pcm, 8)) << 8 << 16;
        QTest::newRow("stéréo 8 bits") << riff(fmt(1, 2, 8000, 8) + data(pcm, 8)) << 8 << 8;
        QTest::newRow("morceau inconnu, impair") << riff(f16 + "LIST" + le32(3) + "abc" + QByteArray(1, 0) + data(pcm, 8)) << 8 << 16;
        QTest::newRow("données avant le format") << riff(data(pcm, 8) + f16) << 8 << 16;
        QTest::newRow("trame incomplète coupée") << riff(f16 + data(pcm.left(7), 7) + QByteArray(1, 0)) << 6 << 16;

        QTest::newRow("vide") << QByteArray() << 0 << 0;
        QTest::newRow("entête tronqué") << riff(f16 + data(pcm, 8)).left(20) << 0 << 0;
        QTest::newRow("pas un WAV") << QByteArray("ID3\x04 not a wave at all, just text") << 0 << 0;
        QTest::newRow("RIFF d'autre chose") << QByteArray("RIFF\x10\0\0\0AVI LIST\0\0\0\0", 20) << 0 << 0;
        QTest::newRow("données annoncées au-delà du fichier") << riff(f16 + data(pcm, 0x7ffffff0)) << 0 << 0;
        QTest::newRow("morceau annoncé au-delà du fichier") << riff(f16 + "junk" + le32(0xfffffff0) + data(pcm, 8)) << 0 << 0;
        QTest::newRow("sans données") << riff(f16) << 0 << 0;
        QTest::newRow("sans format") << riff(data(pcm, 8)) << 0 << 0;
        QTest::newRow("flottant") << riff(fmt(3, 1, 44100, 32) + data(pcm, 8)) << 0 << 0;
        QTest::newRow("24 bits") << riff(fmt(1, 1, 44100, 24) + data(pcm.left(6), 6)) << 0 << 0;
        QTest::newRow("sans canal") << riff(fmt(1, 0, 44100, 16) + data(pcm, 8)) << 0 << 0;
        QTest::newRow("fréquence nulle") << riff(fmt(1, 1, 0, 16) + data(pcm, 8)) << 0 << 0;
        QTest::newRow("données vides") << riff(f16 + data(QByteArray(), 0)) << 0 << 0;
    }

    void lecture()
    {
        QFETCH(QByteArray, fichier);
        QFETCH(int, octets);
        QFETCH(int, bits);
        const Wav wav = lireWav(fichier);
        QCOMPARE(wav.pcm.size(), octets);
        QCOMPARE(wav.isNull(), octets == 0);
        if (octets) {
            QCOMPARE(wav.format.sampleSize(), bits);
            QCOMPARE(wav.pcm, pcm.left(octets));
        }
    }

    // Files that are not plain, small files are never read.
    void fichiersRefuses()
    {
        QTemporaryDir dossier;
        QVERIFY(chargerWav(dossier.path() + "/absent.wav").isNull());
        QVERIFY(chargerWav(dossier.path()).isNull());

        const QString tube = dossier.path() + "/tube.wav";
        QCOMPARE(mkfifo(QFile::encodeName(tube).constData(), 0600), 0);
        QVERIFY(chargerWav(tube).isNull());

        QFile gros(dossier.path() + "/gros.wav");
        QVERIFY(gros.open(QIODevice::WriteOnly));
        gros.write(riff(fmt(1, 1, 44100, 16) + data(pcm, 8)));
        QVERIFY(gros.resize(50 * 1024 * 1024));
        gros.close();
        QVERIFY(chargerWav(gros.fileName()).isNull());
    }

    // The stream plays the sound from its start at each restart, then
    // silence; a stop silences it at once.
    void echantillons()
    {
        FluxSon flux(lireWav(riff(fmt(1, 1, 44100, 16) + data(pcm, 8))));
        QCOMPARE(flux.read(6), QByteArray(6, 0));
        flux.rejouer();
        QCOMPARE(flux.read(6), pcm.left(6));
        flux.rejouer();
        QCOMPARE(flux.read(12), pcm + QByteArray(4, 0));
        flux.rejouer();
        flux.read(2);
        flux.arreter();
        QCOMPARE(flux.read(4), QByteArray(4, 0));
    }

    void silenceEnHuitBits()
    {
        FluxSon flux(lireWav(riff(fmt(1, 1, 8000, 8) + data("\x10\x20", 2))));
        flux.rejouer();
        QCOMPARE(flux.read(4), QByteArray("\x10\x20\x80\x80"));
    }

    // With a sound or without, with an audio server or without, the sound
    // plays, stops and goes away without blocking.
    void cycleDeVie_data()
    {
        QTest::addColumn<QByteArray>("fichier");
        QTest::newRow("sans fichier") << QByteArray();
        QTest::newRow("avec un tic") << riff(fmt(1, 1, 44100, 16) + data(pcm, 8));
    }

    void cycleDeVie()
    {
        QFETCH(QByteArray, fichier);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("tic.wav"));
        if (!fichier.isEmpty()) {
            QFile f(chemin);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(fichier);
        }
        for (int i = 0; i < 3; ++i) {
            Son son(chemin);
            son.play();
            son.stop();
            son.play();
        }
    }
};

QTEST_MAIN(TestSon)
#include "tst_son.moc"
