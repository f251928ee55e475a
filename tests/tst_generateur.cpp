#include <QtTest>

namespace {

QByteArray lire(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

// The asset generator as the person who edits the coffee table meets it.
class TestGenerateur : public QObject
{
    Q_OBJECT

private slots:
    // Each row replaces some fields of the header (line 0) or of the first
    // coffee (line 1) by a value; a null value leaves them out.
    void table_data()
    {
        QTest::addColumn<int>("ligne");
        QTest::addColumn<int>("champ");
        QTest::addColumn<int>("nombre");
        QTest::addColumn<QString>("valeur");
        QTest::addColumn<QString>("message");   // empty: the assets are drawn
        QTest::newRow("as committed") << 1 << 0 << 0 << QString() << QString();
        QTest::newRow("bad score") << 1 << 5 << 1 << "5" << "scores run from 1 to 4";
        QTest::newRow("missing columns") << 1 << 3 << 2 << QString() << "6 columns instead of 8";
        QTest::newRow("header") << 0 << 5 << 1 << QString() << "expected the header";
        QTest::newRow("text too long") << 1 << 1 << 1 << "Un nom bien trop long pour sa case" << "does not fit its cell";
        QTest::newRow("caffeine") << 1 << 7 << 1 << "2.2%" << "caffeine is written like";
        QTest::newRow("one coffee less") << 1 << 0 << 8 << "" << "12 coffees, the wheel has room for exactly 13";
    }

    void table()
    {
        QFETCH(int, ligne);
        QFETCH(int, champ);
        QFETCH(int, nombre);
        QFETCH(QString, valeur);
        QFETCH(QString, message);
        QStringList lignes = QString::fromUtf8(lire(QStringLiteral(DRAVOUNE_TABLE))).split('\n');
        const int n = int(std::find_if(lignes.begin(), lignes.end(), [](const QString &l) {
            return !l.startsWith('#');
        }) - lignes.begin()) + ligne;
        QStringList champs = lignes[n].split('\t');
        for (int i = 0; i < nombre; ++i)
            champs.removeAt(champ);
        if (!valeur.isNull())
            champs.insert(champ, valeur);
        lignes[n] = champs.join('\t');
        QTemporaryDir dossier;
        QFile fichier(dossier.filePath("cafes.tsv"));
        QVERIFY(fichier.open(QIODevice::WriteOnly) && fichier.write(lignes.join('\n').toUtf8()) > 0);
        fichier.close();

        QProcess generateur;
        generateur.start(QStringLiteral(DRAVOUNE_GENERATEUR), {"--table", fichier.fileName(), dossier.filePath("assets")});
        QVERIFY(generateur.waitForFinished(120000));
        const QString erreurs = QString::fromUtf8(generateur.readAllStandardError());
        QCOMPARE(generateur.exitCode(), message.isEmpty() ? 0 : 1);
        QVERIFY2(erreurs.contains(message), qPrintable(erreurs));
        // A table that fails writes nothing; the committed one gives the
        // committed assets, byte for byte.
        const QDir assets(dossier.filePath("assets"));
        const QStringList ecrits = assets.entryList(QDir::Files);
        QCOMPARE(ecrits.isEmpty(), !message.isEmpty());
        for (const QString &nom : ecrits)
            QVERIFY2(lire(assets.filePath(nom)) == lire(QStringLiteral(DRAVOUNE_ASSETS "/") + nom), qPrintable(nom));
    }
};

QTEST_GUILESS_MAIN(TestGenerateur)
#include "tst_generateur.moc"
