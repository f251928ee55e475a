#include "appli.h"
#include "bureau.h"
#include "enregistrement.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QtEndian>
#include <QtTest>

#include <algorithm>
#include <functional>

#include <unistd.h>

// Puts a tick file, or whatever stands in its place, at the given path.
using FabriqueTic = std::function<bool(const QString &chemin)>;
Q_DECLARE_METATYPE(FabriqueTic)

namespace {

constexpr qint64 cinquanteMo = qint64(50) * 1024 * 1024;

// The calls that make, remove or open a file for writing; traced alone, so
// that the program runs at nearly its own speed.
const QString appelsEcriture = QStringLiteral(
    "open,openat,creat,truncate,mkdir,mkdirat,rename,renameat,renameat2,"
    "unlink,unlinkat,link,linkat,symlink,symlinkat");

QByteArray lire(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The header of a 16-bit mono WAV file announcing that many bytes of samples.
QByteArray entete(quint32 octets)
{
    const auto le = [](quint32 valeur, int taille) {
        QByteArray b(4, 0);
        qToLittleEndian(valeur, b.data());
        return b.left(taille);
    };
    return "RIFF" + le(36 + octets, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(1, 2)
        + le(44100, 4) + le(88200, 4) + le(2, 2) + le(16, 2) + "data" + le(octets, 4);
}

// 30 ms of loud noise, as 16-bit samples.
QByteArray bruit()
{
    QByteArray b(2 * 1323, 0);
    QRandomGenerator hasard(4);
    for (char &octet : b)
        octet = char(hasard.bounded(256));
    return b;
}

// A file with that content, extended with a hole up to taille bytes if given.
FabriqueTic fichier(const QByteArray &contenu, qint64 taille = 0)
{
    return [=](const QString &chemin) {
        QDir().mkpath(QFileInfo(chemin).path());
        QFile f(chemin);
        return f.open(QIODevice::WriteOnly) && f.write(contenu) == contenu.size()
            && (taille == 0 || f.resize(taille));
    };
}

// Successful calls in the traces that made, removed or opened for writing a
// file outside /dev, whose nodes are no files (the program opens /dev/null
// read-write), and /proc, where the files are the kernel's view of the
// process.
QStringList ecritures(const QString &dossier)
{
    static const QRegularExpression appel(R"(^(\w+)\((.*)\) += (-?\d+))");
    static const QRegularExpression pourEcrire(QStringLiteral("O_(WRONLY|RDWR|CREAT|TRUNC|APPEND)"));
    static const QRegularExpression chaine(QStringLiteral("\"([^\"]*)\""));
    QStringList trouvees;
    for (const QFileInfo &trace : QDir(dossier).entryInfoList(QDir::Files)) {
        for (const QString &ligne : QString::fromUtf8(lire(trace.filePath())).split('\n')) {
            const QRegularExpressionMatch m = appel.match(ligne);
            if (!m.hasMatch() || m.captured(3) == "-1"
                || (m.captured(1).startsWith("open") && !pourEcrire.match(m.captured(2)).hasMatch()))
                continue;
            for (auto c = chaine.globalMatch(m.captured(2)); c.hasNext();) {
                const QString chemin = c.next().captured(1);
                if (!chemin.startsWith("/dev/") && !chemin.startsWith("/proc/")) {
                    trouvees << ligne;
                    break;
                }
            }
        }
    }
    return trouvees;
}

// Whether each thread's trace has its closing line: strace, which runs
// beside the program, may still be writing once the program has ended.
bool tracesCompletes(const QString &dossier)
{
    const QFileInfoList traces = QDir(dossier).entryInfoList(QDir::Files);
    return !traces.isEmpty() && std::all_of(traces.begin(), traces.end(), [](const QFileInfo &t) {
        return lire(t.filePath()).trimmed().split('\n').last().startsWith("+++");
    });
}

} // namespace

// The program as a cautious user starts it: from a read-only directory,
// with empty home and configuration directories, without the power of root
// over file permissions, and with a tick file of every kind of wrong.
class TestFichierTic : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(bureau.demarrer(), qPrintable(bureau.erreur()));
    }

    void fichierTic_data()
    {
        QTest::addColumn<FabriqueTic>("fabrique");
        QTest::addColumn<bool>("sonore");

        const QByteArray tic = lire(QStringLiteral(DRAVOUNE_DOSSIER_TIC "/assets/tic-ancien1.wav"));
        const QByteArray pasUnWav = lire(QStringLiteral(DRAVOUNE_ASSETS "/grain.png"));
        QVERIFY(!tic.isEmpty() && !pasUnWav.isEmpty());
        const QByteArray b = bruit();
        QTest::newRow("its tick") << fichier(tic) << true;
        QTest::newRow("noise under a valid header") << fichier(entete(b.size()) + b) << true;
        QTest::newRow("missing") << FabriqueTic([](const QString &) { return true; }) << false;
        QTest::newRow("empty") << fichier(QByteArray()) << false;
        QTest::newRow("a directory") << FabriqueTic([](const QString &c) { return QDir().mkpath(c); }) << false;
        QTest::newRow("unreadable") << FabriqueTic([tic](const QString &c) {
            return fichier(tic)(c) && QFile::setPermissions(c, QFile::Permissions());
        }) << false;
        QTest::newRow("truncated header") << fichier(tic.left(30)) << false;
        QTest::newRow("more samples announced than held") << fichier(entete(0x7fff0000) + b) << false;
        QTest::newRow("a picture named .wav") << fichier(pasUnWav) << false;
        QTest::newRow("50 MB") << fichier(entete(quint32(cinquanteMo - 44)) + b, cinquanteMo) << false;
    }

    // Whatever the tick file, the program shows its window whole, turns,
    // ticks only if the file holds a sound, closes cleanly while coasting,
    // and neither prints nor writes anything.
    void fichierTic()
    {
        QFETCH(FabriqueTic, fabrique);
        QFETCH(bool, sonore);

        QTemporaryDir racine;
        const QString travail = racine.filePath("travail");
        const QString traces = racine.filePath("traces");
        QVERIFY(QDir().mkpath(travail) && QDir().mkpath(traces));
        QVERIFY(fabrique(travail + "/assets/tic-ancien1.wav"));
        const QStringList dossiersTravail{travail, travail + "/assets"};
        for (const QString &d : dossiersTravail)
            QFile::setPermissions(d, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
        // Writable again, so that the temporary directory can go.
        const auto rendre = qScopeGuard([&] {
            for (const QString &d : dossiersTravail)
                QFile::setPermissions(d, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });

        Appli appli(bureau);
        QProcessEnvironment &env = appli.environnement();
        for (const char *nom : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"}) {
            QVERIFY(QDir().mkpath(racine.filePath(nom)));
            QFile::setPermissions(racine.filePath(nom), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            env.insert(nom, racine.filePath(nom));
        }
        // A desktop user has an audio cookie, which libpulse would otherwise
        // make in the empty configuration directory. This server takes any;
        // read-only, so that libpulse, which first tries to open it for
        // writing, falls back to reading it.
        const QString cookie = racine.filePath("cookie");
        QVERIFY(fichier(QByteArray(256, 'c'))(cookie) && QFile::setPermissions(cookie, QFile::ReadOwner));
        env.insert("PULSE_COOKIE", cookie);
        // Mesa keeps the shaders it compiles in the cache directory.
        env.insert("MESA_SHADER_CACHE_DISABLE", "true");

        // strace -D leaves the program the process's pid and exit code.
        QStringList commande{"strace", "-D", "-ff", "--seccomp-bpf", "-e", "trace=" + appelsEcriture,
                             "-o", traces + "/t", QStringLiteral(DRAVOUNE_PROGRAMME)};
        // Root would read the unreadable file and write in the read-only
        // directory: without these capabilities it obeys the permissions
        // like anyone else.
        if (::geteuid() == 0)
            commande = QStringList{"setpriv", "--bounding-set=-dac_override,-dac_read_search"} + commande;
        QVERIFY(appli.demarrer(travail, commande));
        QVERIFY(appli.aUneIcone());
        const Ecran repos = appli.ecranImmobile();
        QVERIFY(repos.fixesEnPlace());
        QVERIFY(repos.montreIcone("sound.png"));

        Enregistrement enregistrement(bureau);
        QVERIFY(enregistrement.demarrer());
        QVERIFY(appli.glisser(0, 100, 4.5, 5.5).dernierPas >= 5);
        QTest::qWait(1000);
        QVERIFY2(appli.ecran() != repos, "the wheel does not turn");
        const int tics = enregistrement.attaques().size();
        QVERIFY2(sonore ? tics > 0 : tics == 0, qPrintable(QString("%1 ticks").arg(tics)));

        QCOMPARE(appli.fermer(), 0);
        QVERIFY2(appli.messages().isEmpty(), appli.messages().constData());
        QVERIFY(Bureau::attendre([&] { return tracesCompletes(traces); }, 5000));
        const QStringList ecrits = ecritures(traces);
        QVERIFY2(ecrits.isEmpty(), qPrintable(ecrits.join('\n')));
    }

private:
    Bureau bureau;
};

QTEST_GUILESS_MAIN(TestFichierTic)
#include "tst_e2e_fichiertic.moc"
