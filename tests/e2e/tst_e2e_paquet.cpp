#include "appli.h"
#include "bureau.h"
#include "enregistrement.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

// Runs a command to its end; its output, both channels, goes to sortie.
bool executer(const QString &programme, const QStringList &arguments, QByteArray &sortie)
{
    Processus p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(programme, arguments);
    const bool fini = p.waitForFinished(120000);
    sortie = p.readAll();
    return fini && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// The value of a key of the desktop entry's main group.
QString valeur(const QString &entree, const QString &cle)
{
    const QRegularExpression ligne("^" + cle + "=(.*)$", QRegularExpression::MultilineOption);
    const QString groupe = entree.section("[Desktop Entry]", 1).section("\n[", 0, 0);
    return ligne.match(groupe).captured(1).trimmed();
}

} // namespace

// The Debian package, built from this build and unpacked into a scratch
// root, and the program in it started as a desktop's launcher would.
class TestPaquet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(bureau.demarrer(), qPrintable(bureau.erreur()));
        QByteArray sortie;
        QVERIFY2(executer(QStringLiteral(DRAVOUNE_CPACK), {"-G", "DEB", "-B", scratch.path(),
                          "--config", QStringLiteral(DRAVOUNE_CONFIG_CPACK)}, sortie), sortie.constData());
        paquet = QDir(scratch.path()).entryInfoList({"*.deb"}).value(0).filePath();
        QVERIFY2(!paquet.isEmpty(), sortie.constData());
        racine = scratch.filePath("racine");
        QVERIFY2(executer("dpkg-deb", {"-x", paquet, racine}, sortie), sortie.constData());
    }

    // Besides the libraries it links, the program needs Qt's audio
    // back-ends and a GL driver, which nothing links.
    void dependances()
    {
        QByteArray depends;
        QVERIFY(executer("dpkg-deb", {"-f", paquet, "Depends"}, depends));
        QStringList paquets;
        for (const QString &choix : QString::fromUtf8(depends).split(QRegularExpression("[,|]")))
            paquets << choix.trimmed().section(' ', 0, 0);
        for (const char *requis : {"libqt5multimedia5-plugins", "libgl1-mesa-dri"})
            QVERIFY2(paquets.contains(QString::fromLatin1(requis)), depends.constData());
    }

    void bibliotheques()
    {
        QByteArray liens;
        QVERIFY(executer("ldd", {racine + "/usr/bin/dravoune"}, liens));
        QVERIFY2(!liens.contains("not found"), liens.constData());
    }

    // Exec found in the package's bin directory, Path as the working
    // directory, both taken into the scratch root: the window shows, a
    // drag ticks, and closing ends the program cleanly.
    void lancement()
    {
        const QFileInfoList entrees = QDir(racine + "/usr/share/applications").entryInfoList({"*.desktop"});
        QCOMPARE(entrees.size(), 1);
        QFile fichier(entrees.first().filePath());
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        const QString entree = QString::fromUtf8(fichier.readAll());
        // Field codes such as %U stand for what the launcher passes.
        const QString exec = valeur(entree, "Exec").section(' ', 0, 0);
        const QString chemin = valeur(entree, "Path");
        QVERIFY2(!exec.isEmpty() && !exec.contains('/'), qPrintable(exec));
        QVERIFY2(chemin.startsWith('/'), qPrintable(chemin));

        Appli appli(bureau);
        QVERIFY(appli.demarrer(racine + chemin, {racine + "/usr/bin/" + exec}));
        QCOMPARE(appli.titre(), QStringLiteral("Dravoune"));
        Enregistrement enregistrement(bureau);
        QVERIFY(enregistrement.demarrer());
        QVERIFY(qAbs(appli.glisser(0, 100, 4.5, 0.5).dernierPas) < 1);
        QTest::qWait(500);
        QVERIFY(!enregistrement.attaques().isEmpty());
        QCOMPARE(appli.fermer(), 0);
    }

private:
    Bureau bureau;
    QTemporaryDir scratch;
    QString paquet;
    QString racine;
};

QTEST_GUILESS_MAIN(TestPaquet)
#include "tst_e2e_paquet.moc"
