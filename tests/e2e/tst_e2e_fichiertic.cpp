#include "appli.h"
#include "enregistrement.h"
#include "wav.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QtTest>

#include <unistd.h>

// Puts a tick file, or whatever stands in its place, at the given path.
using FabriqueTic = std::function<bool(const QString &chemin)>;
Q_DECLARE_METATYPE(FabriqueTic)

namespace {

QByteArray lire(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A file with that content, extended with a hole up to taille bytes if given.
FabriqueTic fichier(const QByteArray &contenu, qint64 taille = 0)
{
    return [=](const QString &chemin) {
        QDir().mkpath(QFileInfo(chemin).path());
        QFile f(chemin);
        return f.open(QIODevice::WriteOnly) && f.write(contenu) == contenu.size() && (taille == 0 || f.resize(taille));
    };
}

// Successful calls of the traces that made, removed or opened for writing
// a file outside /dev, whose nodes are no files (the program opens
// /dev/null read-write), and /proc, the kernel's view of the process.
QStringList ecritures(const QString &dossier)
{
    static const QRegularExpression appel(R"(^(\w+)\((.*)\) += (-?\d+))");
    static const QRegularExpression pourEcrire(QStringLiteral("O_(WRONLY|RDWR|CREAT|TRUNC|APPEND)"));
    static const QRegularExpression chemin(QStringLiteral("\"(/(?!dev/|proc/)[^\"]*|[^/\"][^\"]*)\""));
    QStringList trouvees;
    for (const QFileInfo &trace : QDir(dossier).entryInfoList(QDir::Files))
        for (const QString &ligne : QString::fromUtf8(lire(trace.filePath())).split('\n')) {
            const QRegularExpressionMatch m = appel.match(ligne);
            if (m.hasMatch() && m.captured(3) != "-1" && chemin.match(m.captured(2)).hasMatch()
                && (!m.captured(1).startsWith("open") || pourEcrire.match(m.captured(2)).hasMatch()))
                trouvees << ligne;
        }
    return trouvees;
}

} // namespace

// The program as a cautious user starts it: from a read-only directory,
// with empty home and configuration directories, without the power of root
// over file permissions, and with a tick file of every kind of wrong. In
// the sanitized build each start is also checked for leaks and memory
// errors, which the sanitizers print.
class TestFichierTic : public QObject
{
    Q_OBJECT

private slots:
    void fichierTic_data()
    {
        QTest::addColumn<FabriqueTic>("fabrique");
        QTest::addColumn<bool>("sonore");
        const QByteArray tic = lire(QStringLiteral(DRAVOUNE_DOSSIER_TIC "/assets/tic-ancien1.wav"));
        QByteArray bruit(2 * 1323, 0);
        QRandomGenerator(4).fillRange(reinterpret_cast<quint32 *>(bruit.data()), bruit.size() / 4);
        const QByteArray fauxTic = ecrireWav({formatWav(44100, 1, 16), bruit});
        QVERIFY(!tic.isEmpty());
        QTest::newRow("its tick") << fichier(tic) << true;
        QTest::newRow("noise under a valid header") << fichier(fauxTic) << true;
        QTest::newRow("missing") << FabriqueTic([](const QString &) { return true; }) << false;
        QTest::newRow("empty") << fichier(QByteArray()) << false;
        QTest::newRow("a directory") << FabriqueTic([](const QString &c) { return QDir().mkpath(c); }) << false;
        QTest::newRow("unreadable") << FabriqueTic([tic](const QString &c) {
            return fichier(tic)(c) && QFile::setPermissions(c, QFile::Permissions());
        }) << false;
        QTest::newRow("truncated header") << fichier(tic.left(30)) << false;
        QTest::newRow("more samples announced than held") << fichier(QByteArray(fauxTic).replace(40, 4, "\0\0\xff\x7f", 4)) << false;
        QTest::newRow("a picture named .wav") << fichier(lire(QStringLiteral(DRAVOUNE_ASSETS "/grain.png"))) << false;
        QTest::newRow("50 MB") << fichier(fauxTic, qint64(50) << 20) << false;
    }

    // Whatever the tick file, the program shows its window whole, turns,
    // ticks only if the file holds a sound, closes cleanly while coasting,
    // and neither prints nor writes anything.
    void fichierTic()
    {
        QFETCH(FabriqueTic, fabrique);
        QFETCH(bool, sonore);
        QTemporaryDir racine;
        const QString travail = racine.filePath("travail"), traces = racine.filePath("traces");
        QVERIFY(QDir().mkpath(travail) && QDir().mkpath(traces));
        QVERIFY(fabrique(travail + "/assets/tic-ancien1.wav"));
        const QStringList lectureSeule{travail, travail + "/assets"};
        for (const QString &d : lectureSeule)
            QFile::setPermissions(d, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
        // Writable again, so that the temporary directory can go.
        const auto rendre = qScopeGuard([&] {
            for (const QString &d : lectureSeule)
                QFile::setPermissions(d, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });

        Appli appli;
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

        // strace -D leaves the program the process's pid and exit code; it
        // traces only the calls that make, remove or open files, so that
        // the program runs at nearly its own speed.
        QStringList commande{"strace", "-D", "-ff", "--seccomp-bpf", "-o", traces + "/t", "-e",
                             "trace=open,openat,creat,truncate,mkdir,mkdirat,rename,renameat,renameat2,"
                             "unlink,unlinkat,link,linkat,symlink,symlinkat", QStringLiteral(DRAVOUNE_PROGRAMME)};
        // Root would read the unreadable file and write in the read-only
        // directory: without these capabilities it obeys the permissions.
        if (::geteuid() == 0)
            commande = QStringList{"setpriv", "--bounding-set=-dac_override,-dac_read_search"} + commande;
        QVERIFY(appli.demarrer(travail, commande));
        const Ecran repos = appli.ecranImmobile();
        QVERIFY(repos.fixesEnPlace() && repos.montreIcone("sound.png"));

        Enregistrement enregistrement;
        QVERIFY(enregistrement.demarrer());
        QVERIFY(appli.glisser(0, 100, 4.5, 5.5).dernierPas >= 5);
        QTest::qWait(1000);
        QVERIFY2(!(appli.ecran() == repos), "the wheel does not turn");
        const int tics = enregistrement.attaques().size();
        QVERIFY2(sonore ? tics > 0 : tics == 0, qPrintable(QString("%1 ticks").arg(tics)));

        QCOMPARE(appli.fermer(), 0);
        QVERIFY2(appli.messages().isEmpty(), appli.messages().constData());
        // strace, which runs beside the program, may still be writing once
        // the program has ended: each trace ends with the thread's exit.
        QVERIFY(Appli::attendre([&] {
            const QFileInfoList t = QDir(traces).entryInfoList(QDir::Files);
            return std::all_of(t.begin(), t.end(), [](const QFileInfo &f) {
                return lire(f.filePath()).trimmed().split('\n').last().startsWith("+++");
            });
        }, 5000));
        const QStringList ecrits = ecritures(traces);
        QVERIFY2(ecrits.isEmpty(), qPrintable(ecrits.join('\n')));
    }
};

QTEST_GUILESS_MAIN(TestFichierTic)
#include "tst_e2e_fichiertic.moc"
