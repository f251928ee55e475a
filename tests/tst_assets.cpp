// The committed pictures and tick, checked for what the program relies on:
// sizes and formats, and the geometry that lets the legend, the hub and the
// wheel line up when the program lays them out.

#include "disposition.h"
#include "geometrieroue.h"
#include "wav.h"

#include <QFile>
#include <QImageReader>
#include <QXmlStreamReader>
#include <QtEndian>
#include <QtMath>
#include <QtTest>

#include <cmath>

using namespace GeometrieRoue;

namespace {

const QPointF centreRoue(largeurRoue / 2.0, hauteurRoue / 2.0);
const QPointF apex(largeurLegende, rayonLegende);
constexpr qreal unite = GeometrieRoue::rayonRoue / unites;

QString chemin(const QString &nom)
{
    return QStringLiteral(DRAVOUNE_ASSETS "/") + nom;
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

int luminance(const QImage &img, QPointF origine, qreal rayon, qreal angle)
{
    return qGray(img.pixel(pixel(origine, rayon, angle)));
}

// Radius, within 4 pixels of an expected one, of the middle of the darkest
// (or lightest) run of pixels along a ray.
qreal extremum(const QImage &img, QPointF origine, qreal angle, qreal attendu, bool sombre)
{
    qreal premier = attendu, dernier = attendu;
    int valeur = sombre ? 256 : -1;
    for (qreal r = attendu - 4; r <= attendu + 4; r += 0.25) {
        const int l = luminance(img, origine, r, angle);
        if (sombre ? l < valeur : l > valeur) {
            valeur = l;
            premier = r;
        }
        if (l == valeur)
            dernier = r;
    }
    return (premier + dernier) / 2;
}

// Angles through the coffee sectors, away from their edges.
QVector<qreal> anglesDansLesCafes()
{
    QVector<qreal> angles;
    for (int s = 0; s < secteurs; ++s)
        for (qreal f : {0.2, 0.5, 0.8})
            if (s != secteurPartenaires)
                angles << (s + f) * angleSecteur;
    return angles;
}

// A dark line between lighter neighbours.
bool trait(int avant, int milieu, int apres)
{
    return milieu < 70 && avant > milieu + 30 && apres > milieu + 30;
}

} // namespace

class TestAssets : public QObject
{
    Q_OBJECT

private slots:
    void png_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QSize>("taille");
        QTest::addColumn<bool>("alpha");
        QTest::newRow("wheel") << "dravoune.png" << QSize(largeurRoue, hauteurRoue) << true;
        QTest::newRow("legend") << "legende_roue.png" << QSize(largeurLegende, rayonLegende) << true;
        QTest::newRow("hub") << "grain.png" << tailleGrain << true;
        QTest::newRow("publisher") << "logo_tesk.png" << tailleLogo << true;
        QTest::newRow("sound on") << "sound.png" << QSize(128, 128) << true;
        QTest::newRow("sound off") << "soundoff.png" << QSize(128, 128) << true;
        QTest::newRow("brand") << "varnoze.png" << QSize(229, 72) << false;
    }

    // 8 bits per channel, RGBA or RGB, not interlaced; the shapes stand on
    // a transparent background.
    void png()
    {
        QFETCH(QString, nom);
        QFETCH(QSize, taille);
        QFETCH(bool, alpha);
        QFile f(chemin(nom));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray o = f.read(29);
        QCOMPARE(o.mid(12, 4), QByteArray("IHDR"));
        QCOMPARE(QSize(qFromBigEndian<qint32>(o.constData() + 16), qFromBigEndian<qint32>(o.constData() + 20)), taille);
        QCOMPARE(int(o[24]), 8);
        QCOMPARE(int(o[25]), alpha ? 6 : 2);
        QCOMPARE(int(o[28]), 0);
        if (alpha)
            QCOMPARE(qAlpha(image(nom).pixel(taille.width() - 1, 0)), 0);
    }

    // Transparent outside the disc, opaque inside, with at most a pixel and
    // a half of antialiased rim: turned by any angle no canvas corner shows.
    void roueOpaque()
    {
        const QImage roue = image(QStringLiteral("dravoune.png"));
        for (int y = 0; y < roue.height(); ++y) {
            const QRgb *ligne = reinterpret_cast<const QRgb *>(roue.constScanLine(y));
            for (int x = 0; x < roue.width(); ++x) {
                const qreal r = std::hypot(x + 0.5 - centreRoue.x(), y + 0.5 - centreRoue.y());
                if ((r > GeometrieRoue::rayonRoue + 1.5 && qAlpha(ligne[x]) != 0) || (r < GeometrieRoue::rayonRoue - 1.5 && qAlpha(ligne[x]) != 255))
                    QFAIL(qPrintable(QStringLiteral("alpha %1 at %2,%3").arg(qAlpha(ligne[x])).arg(x).arg(y)));
            }
        }
    }

    // A black disc of three elevenths, dark circles at 4..10 elevenths
    // across every coffee, and dark sector lines, the first straight up.
    void structureDeLaRoue()
    {
        const QImage roue = image(QStringLiteral("dravoune.png"));
        for (qreal angle = 0; angle < 360; angle += 5)
            for (qreal r = 0; r < unitesDisque * unite - 2; r += 7)
                QVERIFY(luminance(roue, centreRoue, r, angle) < 8);
        for (qreal angle : anglesDansLesCafes()) {
            QVERIFY(luminance(roue, centreRoue, unitesDisque * unite + 4, angle) > 128);
            for (int k = unitesDisque + 1; k < unites; ++k) {
                const qreal r = k * unite;
                QVERIFY2(trait(luminance(roue, centreRoue, r - 5, angle), luminance(roue, centreRoue, r, angle),
                               luminance(roue, centreRoue, r + 5, angle)), qPrintable(QStringLiteral("%1/11 at %2°").arg(k).arg(angle)));
            }
        }
        // In the family band lines only part families: look inside it.
        for (int limite = 0; limite < secteurs; ++limite)
            for (int u = unitesDisque; u < unites - 1; ++u) {
                const qreal r = (u + 0.5) * unite, angle = limite * angleSecteur, d = qRadiansToDegrees(7 / r);
                QVERIFY2(trait(luminance(roue, centreRoue, r, angle + d), luminance(roue, centreRoue, r, angle),
                               luminance(roue, centreRoue, r, angle - d)), qPrintable(QStringLiteral("line %1 at %2").arg(limite).arg(r)));
            }
    }

    // On every circle around the bottom-right corner the wedge spans the
    // same angles: its apex is that corner.
    void coinDeLaLegende()
    {
        const QImage legende = image(QStringLiteral("legende_roue.png"));
        for (qreal rayon : {120.0, 600.0, 940.0}) {
            qreal premier = -1, dernier = -1;
            for (qreal angle = 0; angle <= 40; angle += 0.02) {
                const QPoint p = pixel(apex, rayon, angle);
                if (legende.rect().contains(p) && qAlpha(legende.pixel(p)) >= 128) {
                    premier = premier < 0 ? angle : premier;
                    dernier = angle;
                }
            }
            const qreal tolerance = qRadiansToDegrees(1.5 / rayon) + 0.2;
            QVERIFY2(qAbs(premier - bordDroitLegende) < tolerance, qPrintable(QString::number(premier)));
            QVERIFY2(qAbs(dernier - bordGaucheLegende) < tolerance, qPrintable(QString::number(dernier)));
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
            return cible.topLeft() + QPointF((p.x() + 0.5) * cible.width() / source.width(),
                                             (p.y() + 0.5) * cible.height() / source.height());
        };
        for (int k = unitesDisque; k < unites; ++k) {
            for (qreal angle : {5.0, 14.75, 24.0}) {
                const qreal r = extremum(legende, apex, angle, k * apex.y() / unites, false);
                QVERIFY(luminance(legende, apex, r, angle) > 200);
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

    // One flat brown filling the canvas, its long axis rising to the right,
    // and a see-through groove in the middle.
    void grain()
    {
        const QImage grain = image(QStringLiteral("grain.png"));
        QRect dessin;
        qreal sx = 0, sy = 0, sxy = 0, n = 0;
        for (int y = 0; y < grain.height(); ++y)
            for (int x = 0; x < grain.width(); ++x) {
                if (qAlpha(grain.pixel(x, y)) > 128)
                    dessin |= QRect(x, y, 1, 1);
                if (qAlpha(grain.pixel(x, y)) < 255)
                    continue;
                QCOMPARE(grain.pixel(x, y), brunGrain);
                sx += x;
                sy += y;
                sxy += qreal(x) * y;
                ++n;
            }
        QCOMPARE(dessin, grain.rect());
        QVERIFY(n > grain.width() * grain.height() / 3);
        QVERIFY(sxy / n - (sx / n) * (sy / n) < 0);
        QCOMPARE(qAlpha(grain.pixel(grain.width() / 2, grain.height() / 2)), 0);
    }

    // The same note, crossed from the top-left corner to the bottom-right one.
    void sonBarre()
    {
        const QImage son = image(QStringLiteral("sound.png"));
        const QImage sansSon = image(QStringLiteral("soundoff.png"));
        for (int y = 0; y < son.height(); ++y)
            for (int x = 0; x < son.width(); ++x)
                if (qAbs(x - y) / M_SQRT2 > 12 && son.pixel(x, y) != sansSon.pixel(x, y))
                    QFAIL(qPrintable(QStringLiteral("differ at %1,%2").arg(x).arg(y)));
        for (int i = 12; i < 116; ++i)
            QCOMPARE(sansSon.pixel(i, i), qRgba(0, 0, 0, 255));
    }

    // One 32-bit image with its mask, showing the hub bean at 45 %.
    void icone()
    {
        QCOMPARE(QFile(chemin(QStringLiteral("grain.ico"))).size(), qint64(7770));
        QImageReader lecteur(chemin(QStringLiteral("grain.ico")));
        QCOMPARE(lecteur.imageCount(), 1);
        const QImage icone = lecteur.read().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(icone.size(), QSize(45, 41));
        const QImage reduit = image(QStringLiteral("grain.png")).scaled(45, 41, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        qreal ecart = 0;
        for (int y = 0; y < 41; ++y)
            for (int x = 0; x < 45; ++x)
                ecart += qAbs(qAlpha(icone.pixel(x, y)) - qAlpha(reduit.pixel(x, y)));
        QVERIFY2(ecart / (45 * 41) < 20, qPrintable(QString::number(ecart / (45 * 41))));
    }

    // A tick, not a tone: a few milliseconds up to a tenth of a second,
    // loud but not clipped, in a format the program plays.
    void tic()
    {
        const Wav tic = chargerWav(chemin(QStringLiteral("tic-ancien1.wav")));
        QCOMPARE(tic.format.sampleSize(), 16);
        const qreal duree = tic.format.durationForBytes(tic.pcm.size()) / 1e6;
        QVERIFY2(duree > 0.005 && duree < 0.1, qPrintable(QString::number(duree)));
        int crete = 0;
        for (int i = 0; i + 1 < tic.pcm.size(); i += 2)
            crete = qMax(crete, qAbs(int(qFromLittleEndian<qint16>(tic.pcm.constData() + i))));
        QVERIFY2(crete > 8000 && crete < 32767, qPrintable(QString::number(crete)));
    }

    // The program names its pictures ":assets/NAME": the collection lists
    // them under the root prefix, by that path, without aliases.
    void collection()
    {
        QFile qrc(QStringLiteral(DRAVOUNE_QRC));
        QVERIFY(qrc.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&qrc);
        QStringList fichiers;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("qresource"))
                QVERIFY(QStringList({"", "/"}).contains(xml.attributes().value("prefix").toString()));
            if (xml.name() == QLatin1String("file")) {
                QVERIFY(!xml.attributes().hasAttribute("alias"));
                fichiers << xml.readElementText();
            }
        }
        QVERIFY(!xml.hasError());
        fichiers.sort();
        QCOMPARE(fichiers, QStringList({"assets/dravoune.png", "assets/grain.ico", "assets/grain.png",
                                        "assets/legende_roue.png", "assets/logo_tesk.png", "assets/sound.png",
                                        "assets/soundoff.png", "assets/varnoze.png"}));
    }
};

QTEST_GUILESS_MAIN(TestAssets)
#include "tst_assets.moc"
