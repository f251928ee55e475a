// The committed pictures and tick, checked for what the program relies on:
// their formats, and the geometry that lets the legend and the wheel
// line up when the program lays them out; and the generator that draws
// them, as the person who edits the coffee table meets it.

#include "disposition.h"
#include "essais.h"
#include "geometrieroue.h"
#include "wav.h"

#include <QtTest>

#include <cmath>

using namespace GeometrieRoue;

namespace {

const QPointF centreRoue(largeurRoue / 2.0, hauteurRoue / 2.0);
const QPointF apex(largeurLegende, rayonLegende);

QString chemin(const QString &nom)
{
    return QStringLiteral(DRAVOUNE_ASSETS "/") + nom;
}

// The files under `dossier`, subfolders included, by path from it, sorted.
QStringList fichiers(const QString &dossier)
{
    QStringList noms;
    for (QDirIterator it(dossier, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        noms << QDir(dossier).relativeFilePath(it.next());
    noms.sort();
    return noms;
}

QImage image(const QString &nom)
{
    return QImage(chemin(nom)).convertToFormat(QImage::Format_ARGB32);
}

// The pixel at `rayon` from an origin, `angle` degrees anticlockwise from up.
QPoint pixel(QPointF origine, qreal rayon, qreal angle)
{
    const qreal a = qDegreesToRadians(angle);
    return QPoint(qFloor(origine.x() - rayon * qSin(a)), qFloor(origine.y() - rayon * qCos(a)));
}

// Radius, within 4 pixels of an expected one, of the middle of the darkest
// (or lightest) run of pixels along a ray.
qreal extremum(const QImage &img, QPointF origine, qreal angle, qreal attendu, bool sombre)
{
    qreal premier = attendu, dernier = attendu;
    int valeur = sombre ? 256 : -1;
    for (qreal r = attendu - 4; r <= attendu + 4; r += 0.25) {
        const int l = qGray(img.pixel(pixel(origine, r, angle)));
        if (sombre ? l < valeur : l > valeur) {
            valeur = l;
            premier = r;
        }
        if (l == valeur)
            dernier = r;
    }
    return (premier + dernier) / 2;
}

} // namespace

class TestAssets : public QObject
{
    Q_OBJECT

private slots:
    void pngHuitBitsAlphaDroit_data()
    {
        QTest::addColumn<QString>("nom");
        for (const QString &nom : fichiers(QStringLiteral(DRAVOUNE_ASSETS)))
            if (nom.endsWith(".png"))
                QTest::newRow(qPrintable(nom)) << nom;
    }

    // 8 bits per channel, RGBA or RGB, not interlaced. The shapes stand on a
    // transparent background, their antialiased edges in straight alpha: a
    // colour brighter than its opacity, which premultiplied data can't hold.
    void pngHuitBitsAlphaDroit()
    {
        QFETCH(QString, nom);
        QFile f(chemin(nom));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray o = f.read(29);
        QCOMPARE(o.mid(12, 4), QByteArray("IHDR"));
        QCOMPARE(int(o[24]), 8);
        QCOMPARE(int(o[28]), 0);
        if (o[25] == 2)
            return;
        QCOMPARE(int(o[25]), 6);
        const QImage img = image(nom);
        QCOMPARE(qAlpha(img.pixel(img.width() - 1, 0)), 0);
        // ARGB32 rows have no padding.
        const auto *p = reinterpret_cast<const QRgb *>(img.constBits());
        QVERIFY(std::any_of(p, p + img.sizeInBytes() / 4, [](QRgb c) {
            return qAlpha(c) > 0 && qMax(qMax(qRed(c), qGreen(c)), qBlue(c)) > qAlpha(c);
        }));
    }

    // Transparent outside the disc, opaque inside, with at most a pixel and
    // a half of antialiased rim: turned by any angle no canvas corner shows.
    void roueOpaque()
    {
        const QImage roue = image(QStringLiteral("dravoune.png"));
        for (int y = 0; y < roue.height(); ++y)
            for (int x = 0; x < roue.width(); ++x) {
                const qreal r = std::hypot(x + 0.5 - centreRoue.x(), y + 0.5 - centreRoue.y());
                const int alpha = qAlpha(roue.pixel(x, y));
                if ((r > GeometrieRoue::rayonRoue + 1.5 && alpha != 0)
                    || (r < GeometrieRoue::rayonRoue - 1.5 && alpha != 255))
                    QFAIL(qPrintable(QStringLiteral("alpha %1 at %2,%3").arg(alpha).arg(x).arg(y)));
            }
    }

    // The legend's white arcs and the wheel's dark circles, found in the
    // files and laid out as the program lays them out, meet on screen.
    void arcsDeLaLegendeSurLesBandes_data()
    {
        QTest::addColumn<QSize>("widget");
        for (const QSize t : {QSize(800, 600), QSize(801, 601), QSize(800, 1000), QSize(2560, 1440)})
            QTest::addRow("%dx%d", t.width(), t.height()) << t;
    }

    void arcsDeLaLegendeSurLesBandes()
    {
        QFETCH(QSize, widget);
        const QImage legende = image(QStringLiteral("legende_roue.png"));
        const QImage roue = image(QStringLiteral("dravoune.png"));
        const Disposition d = disposer(widget, tailleGrain, legende.size(), tailleLogo);
        const QRectF carre = QRectF(d.roue).translated(d.centre);
        const auto surEcran = [](const QRectF &cible, const QSize &source, QPoint p) {
            return cible.topLeft()
                   + QPointF((p.x() + 0.5) * cible.width() / source.width(),
                             (p.y() + 0.5) * cible.height() / source.height());
        };
        for (int k = unitesDisque; k < unites; ++k) {
            for (qreal angle : {5.0, 14.75, 24.0}) {
                const qreal r = extremum(legende, apex, angle, k * apex.y() / unites, false);
                QVERIFY(qGray(legende.pixel(pixel(apex, r, angle))) > 200);
                // At 3/11 the wheel's boundary is the black disc's edge, not a circle.
                if (k == unitesDisque)
                    continue;
                const qreal rr = extremum(roue, centreRoue, angle, k * unite, true);
                const QPointF arc = surEcran(d.legende, legende.size(), pixel(apex, r, angle));
                const QPointF cercle = surEcran(carre, roue.size(), pixel(centreRoue, rr, angle));
                const qreal ecart = QLineF(d.centre, arc).length() - QLineF(d.centre, cercle).length();
                QVERIFY2(qAbs(ecart) < 1.0, qPrintable(QStringLiteral("arc %1: %2 px").arg(k).arg(ecart)));
            }
        }
    }

    // One 32-bit image with its mask, as its directory entry says: a
    // bitmap of twice its height, its colour rows then mask rows padded to
    // 32 bits, filling the file. Qt's reader overlooks most of these fields.
    void icone()
    {
        const QByteArray o = lire(chemin(QStringLiteral("grain.ico")));
        QVERIFY(o.size() > 62);
        const auto mot = [&o](int i) { return qFromLittleEndian<quint16>(o.constData() + i); };
        const auto long32 = [&o](int i) { return qFromLittleEndian<qint32>(o.constData() + i); };
        const int l = quint8(o[6]), h = quint8(o[7]);
        QCOMPARE(QList<int>({mot(0), mot(2), mot(4), mot(10), mot(12), long32(18)}),
                 QList<int>({0, 1, 1, 1, 32, 22}));
        QCOMPARE(long32(14), o.size() - 22);
        QCOMPARE(QList<int>({long32(22), long32(26), long32(30), mot(34), mot(36), long32(38)}),
                 QList<int>({40, l, 2 * h, 1, 32, 0}));
        QCOMPARE(long32(14), 40 + l * h * 4 + (l + 31) / 32 * 4 * h);
    }

    // A tick, not a tone: a few milliseconds up to a tenth of a second,
    // loud but not clipped, in a format the program plays.
    void tic()
    {
        const Wav tic = chargerWav(QStringLiteral(DRAVOUNE_TIC_SOURCE));
        QCOMPARE(tic.format.octetsParTrame(), 2); // 16-bit mono
        const qreal duree = double(tic.pcm.size()) / tic.format.octetsParTrame() / tic.format.frequence;
        QVERIFY2(duree > 0.005 && duree < 0.1, qPrintable(QString::number(duree)));
        int crete = 0;
        for (int i = 0; i + 1 < tic.pcm.size(); i += 2)
            crete = qMax(crete, qAbs(int(qFromLittleEndian<qint16>(tic.pcm.constData() + i))));
        QVERIFY2(crete > 8000 && crete < 32767, qPrintable(QString::number(crete)));
    }

    // Each row replaces `nombre` fields of the header (line 0) or of the
    // first coffee (line 1), from `champ` on, by a value; a null value
    // leaves them out.
    void assetsRedessinesOuTableRefusee_data()
    {
        QTest::addColumn<int>("ligne");
        QTest::addColumn<int>("champ");
        QTest::addColumn<QString>("valeur");
        QTest::addColumn<int>("nombre");
        QTest::addColumn<QString>("message"); // empty: the assets are drawn
        QTest::newRow("as committed") << 1 << 0 << QString() << 0 << QString();
        QTest::newRow("bad score") << 1 << 5 << "5" << 1 << "scores run from 1 to 4";
        QTest::newRow("missing columns") << 1 << 3 << QString() << 2 << "6 columns instead of 8";
        QTest::newRow("header") << 0 << 5 << QString() << 1 << "expected the header";
        QTest::newRow("text too long")
            << 1 << 1 << "Un nom bien trop long pour sa case" << 1 << "does not fit its cell";
        QTest::newRow("caffeine") << 1 << 7 << "2.2%" << 1 << "caffeine is written like";
        QTest::newRow("one coffee less")
            << 1 << 0 << "" << 8 << "12 coffees, the wheel has room for exactly 13";
    }

    void assetsRedessinesOuTableRefusee()
    {
        QFETCH(int, ligne);
        QFETCH(int, champ);
        QFETCH(QString, valeur);
        QFETCH(int, nombre);
        QFETCH(QString, message);
        QStringList lignes = QString::fromUtf8(lire(QStringLiteral(DRAVOUNE_TABLE_CAFES))).split('\n');
        int n = ligne;
        while (lignes[n - ligne].startsWith('#'))
            ++n;
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
        generateur.start(QStringLiteral(DRAVOUNE_GENERATEUR),
                         {"--table", fichier.fileName(), dossier.filePath("assets")});
        QVERIFY(generateur.waitForFinished(120000));
        const QString erreurs = QString::fromUtf8(generateur.readAllStandardError());
        QCOMPARE(generateur.exitCode(), message.isEmpty() ? 0 : 1);
        QVERIFY2(erreurs.contains(message), qPrintable(erreurs));
        // A table that fails writes nothing; the committed one gives the
        // committed assets, byte for byte.
        const QString assets = dossier.filePath("assets");
        const QStringList ecrits = fichiers(assets);
        if (!message.isEmpty()) {
            QCOMPARE(ecrits, QStringList());
            return;
        }
        QCOMPARE(ecrits, fichiers(QStringLiteral(DRAVOUNE_ASSETS)));
        for (const QString &nom : ecrits)
            QVERIFY2(lire(assets + '/' + nom) == lire(chemin(nom)), qPrintable(nom));
    }
};

QTEST_GUILESS_MAIN(TestAssets)
#include "tst_assets.moc"
