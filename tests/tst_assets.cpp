// Checks the committed asset files for what the program relies on: sizes and
// formats, and the geometry that lets the legend, the hub and the wheel line
// up when they are drawn at the widget's scale.

#include <QtTest>

#include <QDataStream>
#include <QFile>
#include <QImage>
#include <QXmlStreamReader>
#include <QtEndian>
#include <QtMath>

#include <cmath>

namespace {

const QString dossier = QStringLiteral(DRAVOUNE_ASSETS_DIR);

// The wheel: a disc as wide as its 1905 × 1906 canvas, centred on it, its
// radius cut into elevenths.
constexpr qreal centreRoueX = 1905 / 2.0;
constexpr qreal centreRoueY = 1906 / 2.0;
constexpr qreal rayonRoue = 1905 / 2.0;
constexpr qreal unite = rayonRoue / 11;
constexpr qreal secteur = 360.0 / 14;
constexpr int secteurPartenaires = 2;

// The legend: a wedge of radius 953 with its apex on the bottom-right corner.
constexpr qreal apexX = 443;
constexpr qreal apexY = 953;

QByteArray lire(const QString &nom)
{
    QFile fichier(dossier + QLatin1Char('/') + nom);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}

QImage image(const QString &nom)
{
    return QImage(dossier + QLatin1Char('/') + nom).convertToFormat(QImage::Format_ARGB32);
}

// Pixel centres around an origin; angles anticlockwise from straight up.
QPoint pixel(qreal cx, qreal cy, qreal rayon, qreal angle)
{
    const qreal a = qDegreesToRadians(angle);
    return QPoint(qFloor(cx - rayon * qSin(a)), qFloor(cy - rayon * qCos(a)));
}

int luminance(const QImage &img, const QPoint &p)
{
    return qGray(img.pixel(p));
}

// Radius, within 4 pixels of an expected one, of the darkest (or lightest)
// pixels along a ray: the middle of their run, since a line is several
// pixels wide.
qreal extremum(const QImage &img, qreal cx, qreal cy, qreal angle, qreal attendu, bool sombre)
{
    qreal premier = attendu;
    qreal dernier = attendu;
    int valeur = sombre ? 256 : -1;
    for (qreal r = attendu - 4; r <= attendu + 4; r += 0.25) {
        const int l = luminance(img, pixel(cx, cy, r, angle));
        if (sombre ? l < valeur : l > valeur) {
            valeur = l;
            premier = r;
        }
        if (l == valeur)
            dernier = r;
    }
    return (premier + dernier) / 2;
}

quint16 mot(const QByteArray &octets, int position)
{
    return qFromLittleEndian<quint16>(octets.constData() + position);
}

quint32 long32(const QByteArray &octets, int position)
{
    return qFromLittleEndian<quint32>(octets.constData() + position);
}

// Angles, anticlockwise from up, through the coffee sectors away from their edges.
QVector<qreal> anglesDansLesCafes()
{
    QVector<qreal> angles;
    for (int s = 0; s < 14; ++s) {
        if (s == secteurPartenaires)
            continue;
        for (qreal f : { 0.2, 0.5, 0.8 })
            angles.append((s + f) * secteur);
    }
    return angles;
}

} // namespace

class TstAssets : public QObject
{
    Q_OBJECT

private slots:
    void pngHeader_data();
    void pngHeader();
    void transparentBackground_data();
    void transparentBackground();
    void wheelIsAnOpaqueDisc();
    void wheelCentreDiscIsBlack();
    void wheelBandCircles_data();
    void wheelBandCircles();
    void wheelSectorLines_data();
    void wheelSectorLines();
    void legendWedgeEdgesMeetAtCorner_data();
    void legendWedgeEdgesMeetAtCorner();
    void legendArcsOnWheelBandsOnScreen_data();
    void legendArcsOnWheelBandsOnScreen();
    void hubBean();
    void soundOffIsSoundStruckThrough();
    void iconFile();
    void tickSound();
    void resourceCollection();
};

void TstAssets::pngHeader_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<int>("largeur");
    QTest::addColumn<int>("hauteur");
    QTest::addColumn<int>("typeCouleur");
    // PNG colour type 6 is RGBA, 2 is RGB without alpha.
    QTest::newRow("wheel") << "dravoune.png" << 1905 << 1906 << 6;
    QTest::newRow("legend") << "legende_roue.png" << 443 << 953 << 6;
    QTest::newRow("hub") << "grain.png" << 100 << 91 << 6;
    QTest::newRow("publisher") << "logo_tesk.png" << 249 << 124 << 6;
    QTest::newRow("sound on") << "sound.png" << 128 << 128 << 6;
    QTest::newRow("sound off") << "soundoff.png" << 128 << 128 << 6;
    QTest::newRow("brand") << "varnoze.png" << 229 << 72 << 2;
}

void TstAssets::pngHeader()
{
    QFETCH(QString, nom);
    QFETCH(int, largeur);
    QFETCH(int, hauteur);
    QFETCH(int, typeCouleur);
    const QByteArray octets = lire(nom);
    QVERIFY2(octets.size() > 33, qPrintable(nom));
    QCOMPARE(octets.left(8), QByteArray("\x89PNG\r\n\x1a\n"));
    QCOMPARE(qFromBigEndian<quint32>(octets.constData() + 8), 13u);
    QCOMPARE(octets.mid(12, 4), QByteArray("IHDR"));
    QCOMPARE(int(qFromBigEndian<quint32>(octets.constData() + 16)), largeur);
    QCOMPARE(int(qFromBigEndian<quint32>(octets.constData() + 20)), hauteur);
    QCOMPARE(int(octets[24]), 8);
    QCOMPARE(int(octets[25]), typeCouleur);
    QCOMPARE(int(octets[28]), 0); // not interlaced
    const QImage decodee(dossier + QLatin1Char('/') + nom);
    QCOMPARE(decodee.size(), QSize(largeur, hauteur));
    QCOMPARE(decodee.hasAlphaChannel(), typeCouleur == 6);
}

void TstAssets::transparentBackground_data()
{
    QTest::addColumn<QString>("nom");
    QTest::newRow("hub") << "grain.png";
    QTest::newRow("publisher") << "logo_tesk.png";
    QTest::newRow("sound on") << "sound.png";
    QTest::newRow("legend") << "legende_roue.png";
}

void TstAssets::transparentBackground()
{
    // The top-left corner lies outside every one of these shapes.
    QFETCH(QString, nom);
    QCOMPARE(qAlpha(image(nom).pixel(0, 0)), 0);
}

void TstAssets::wheelIsAnOpaqueDisc()
{
    // Transparent outside the disc, opaque inside, with at most a pixel and
    // a half of antialiased rim: then no canvas corner shows at any angle.
    const QImage roue = image(QStringLiteral("dravoune.png"));
    for (int y = 0; y < roue.height(); ++y) {
        const QRgb *ligne = reinterpret_cast<const QRgb *>(roue.constScanLine(y));
        for (int x = 0; x < roue.width(); ++x) {
            const qreal r = std::hypot(x + 0.5 - centreRoueX, y + 0.5 - centreRoueY);
            if (r > rayonRoue + 1.5 && qAlpha(ligne[x]) != 0)
                QFAIL(qPrintable(QStringLiteral("visible outside the disc at %1,%2").arg(x).arg(y)));
            if (r < rayonRoue - 1.5 && qAlpha(ligne[x]) != 255)
                QFAIL(qPrintable(QStringLiteral("see-through inside the disc at %1,%2").arg(x).arg(y)));
        }
    }
}

void TstAssets::wheelCentreDiscIsBlack()
{
    const QImage roue = image(QStringLiteral("dravoune.png"));
    for (qreal angle = 0; angle < 360; angle += 5) {
        for (qreal r = 0; r < 3 * unite - 2; r += 7)
            QVERIFY(luminance(roue, pixel(centreRoueX, centreRoueY, r, angle)) < 8);
    }
    // The innermost band starts right at the disc's edge.
    for (qreal angle : anglesDansLesCafes())
        QVERIFY(luminance(roue, pixel(centreRoueX, centreRoueY, 3 * unite + 4, angle)) > 128);
}

void TstAssets::wheelBandCircles_data()
{
    QTest::addColumn<int>("k");
    for (int k = 4; k <= 10; ++k)
        QTest::addRow("%d/11", k) << k;
}

void TstAssets::wheelBandCircles()
{
    // A thin dark circle at k elevenths of the radius, across every coffee
    // sector, with lighter cells on both sides.
    QFETCH(int, k);
    const QImage roue = image(QStringLiteral("dravoune.png"));
    for (qreal angle : anglesDansLesCafes()) {
        const int trait = luminance(roue, pixel(centreRoueX, centreRoueY, k * unite, angle));
        const int dedans = luminance(roue, pixel(centreRoueX, centreRoueY, k * unite - 5, angle));
        const int dehors = luminance(roue, pixel(centreRoueX, centreRoueY, k * unite + 5, angle));
        QVERIFY2(trait < 70 && dedans > trait + 30 && dehors > trait + 30,
                 qPrintable(QStringLiteral("angle %1: %2 %3 %4").arg(angle).arg(dedans).arg(trait).arg(dehors)));
    }
}

void TstAssets::wheelSectorLines_data()
{
    QTest::addColumn<int>("limite");
    for (int j = 0; j < 14; ++j)
        QTest::addRow("boundary %d", j) << j;
}

void TstAssets::wheelSectorLines()
{
    // Boundary 0 points straight up; the others follow every 360/14 degrees.
    QFETCH(int, limite);
    const QImage roue = image(QStringLiteral("dravoune.png"));
    const qreal angle = limite * secteur;
    // From the innermost band to the name band: in the family band lines
    // only part families.
    for (int u = 3; u < 10; ++u) {
        const qreal r = (u + 0.5) * unite;
        const qreal decalage = qRadiansToDegrees(7 / r);
        const int trait = luminance(roue, pixel(centreRoueX, centreRoueY, r, angle));
        const int gauche = luminance(roue, pixel(centreRoueX, centreRoueY, r, angle + decalage));
        const int droite = luminance(roue, pixel(centreRoueX, centreRoueY, r, angle - decalage));
        QVERIFY2(trait < 70 && gauche > trait + 30 && droite > trait + 30,
                 qPrintable(QStringLiteral("radius %1: %2 %3 %4").arg(r).arg(gauche).arg(trait).arg(droite)));
    }
}

void TstAssets::legendWedgeEdgesMeetAtCorner_data()
{
    QTest::addColumn<qreal>("rayon");
    for (qreal r : { 120.0, 350.0, 600.0, 940.0 })
        QTest::addRow("radius %g", r) << r;
}

void TstAssets::legendWedgeEdgesMeetAtCorner()
{
    // On every circle around the bottom-right corner the wedge spans the
    // same angles, about 1.8 to 27.7 degrees: its apex is that corner.
    QFETCH(qreal, rayon);
    const QImage legende = image(QStringLiteral("legende_roue.png"));
    qreal premier = -1;
    qreal dernier = -1;
    for (qreal angle = 0; angle <= 40; angle += 0.02) {
        const QPoint p = pixel(apexX, apexY, rayon, angle);
        if (!legende.rect().contains(p) || qAlpha(legende.pixel(p)) < 128)
            continue;
        if (premier < 0)
            premier = angle;
        dernier = angle;
    }
    const qreal tolerance = qRadiansToDegrees(1.5 / rayon) + 0.2;
    QVERIFY2(qAbs(premier - 1.8) < tolerance, qPrintable(QString::number(premier)));
    QVERIFY2(qAbs(dernier - 27.7) < tolerance, qPrintable(QString::number(dernier)));
}

void TstAssets::legendArcsOnWheelBandsOnScreen_data()
{
    QTest::addColumn<int>("largeur");
    QTest::addColumn<int>("hauteur");
    QTest::newRow("800x600") << 800 << 600;
    QTest::newRow("801x601") << 801 << 601;
    QTest::newRow("800x1000") << 800 << 1000;
    QTest::newRow("2560x1440") << 2560 << 1440;
}

void TstAssets::legendArcsOnWheelBandsOnScreen()
{
    // Finds the white arcs of the legend and the dark circles of the wheel
    // in the files, maps both onto a widget the way the program lays them
    // out (wheel into an H square on the centre, legend H / 2 high with its
    // bottom-right corner on the centre) and compares their radii there.
    QFETCH(int, largeur);
    QFETCH(int, hauteur);
    const QImage legende = image(QStringLiteral("legende_roue.png"));
    const QImage roue = image(QStringLiteral("dravoune.png"));
    const QPointF centre(largeur / 2, hauteur / 2);
    const int largeurLegende = (hauteur / 2) * legende.width() / legende.height();
    const auto surEcranLegende = [&](const QPoint &p) {
        return QPointF(largeur / 2 - largeurLegende + (p.x() + 0.5) * largeurLegende / legende.width(),
                       (p.y() + 0.5) * (hauteur / 2) / legende.height());
    };
    const auto surEcranRoue = [&](const QPoint &p) {
        return QPointF(largeur / 2 - hauteur / 2 + (p.x() + 0.5) * hauteur / roue.width(),
                       hauteur / 2 - hauteur / 2 + (p.y() + 0.5) * hauteur / roue.height());
    };
    for (int k = 3; k <= 10; ++k) {
        for (qreal angle : { 5.0, 14.75, 24.0 }) {
            const qreal r = extremum(legende, apexX, apexY, angle, k * apexY / 11, false);
            const QPointF arc = surEcranLegende(pixel(apexX, apexY, r, angle));
            QVERIFY(luminance(legende, pixel(apexX, apexY, r, angle)) > 200);
            // At k = 3 the wheel's boundary is the black disc's edge, not a circle.
            if (k == 3)
                continue;
            const qreal rr = extremum(roue, centreRoueX, centreRoueY, angle, k * unite, true);
            const QPointF cercle = surEcranRoue(pixel(centreRoueX, centreRoueY, rr, angle));
            const qreal ecart = QLineF(centre, arc).length() - QLineF(centre, cercle).length();
            QVERIFY2(qAbs(ecart) < 1.0, qPrintable(QStringLiteral("arc %1: %2 px").arg(k).arg(ecart)));
        }
    }
}

void TstAssets::hubBean()
{
    const QImage grain = image(QStringLiteral("grain.png"));
    // Fills its canvas: opaque pixels reach all four edges.
    const auto touche = [&](int x0, int y0, int dx, int dy, int n) {
        for (int i = 0; i < n; ++i) {
            if (qAlpha(grain.pixel(x0 + i * dx, y0 + i * dy)) > 128)
                return true;
        }
        return false;
    };
    QVERIFY(touche(0, 0, 1, 0, grain.width()));
    QVERIFY(touche(0, grain.height() - 1, 1, 0, grain.width()));
    QVERIFY(touche(0, 0, 0, 1, grain.height()));
    QVERIFY(touche(grain.width() - 1, 0, 0, 1, grain.height()));
    // The groove runs through the middle and lets the black disc show.
    QCOMPARE(qAlpha(grain.pixel(grain.width() / 2, grain.height() / 2)), 0);
    // One flat brown, long axis from lower left to upper right (y grows down).
    qreal sx = 0, sy = 0, sxy = 0, n = 0;
    for (int y = 0; y < grain.height(); ++y) {
        for (int x = 0; x < grain.width(); ++x) {
            const QRgb p = grain.pixel(x, y);
            if (qAlpha(p) < 255)
                continue;
            QCOMPARE(p, qRgb(0x75, 0x5A, 0x32));
            sx += x;
            sy += y;
            sxy += qreal(x) * y;
            ++n;
        }
    }
    QVERIFY(n > grain.width() * grain.height() / 3);
    QVERIFY(sxy / n - (sx / n) * (sy / n) < 0);
}

void TstAssets::soundOffIsSoundStruckThrough()
{
    const QImage son = image(QStringLiteral("sound.png"));
    const QImage sansSon = image(QStringLiteral("soundoff.png"));
    int differences = 0;
    for (int y = 0; y < son.height(); ++y) {
        for (int x = 0; x < son.width(); ++x) {
            // Away from the bar the two pictures are the same note.
            if (qAbs(x - y) / M_SQRT2 > 12)
                differences += son.pixel(x, y) != sansSon.pixel(x, y);
        }
    }
    QCOMPARE(differences, 0);
    // The bar runs from the top-left corner to the bottom-right one.
    for (int i = 12; i < 116; ++i)
        QCOMPARE(sansSon.pixel(i, i), qRgba(0, 0, 0, 255));
}

void TstAssets::iconFile()
{
    const QByteArray ico = lire(QStringLiteral("grain.ico"));
    QCOMPARE(ico.size(), 7770);
    // Directory: reserved, type 1 (icon), one image.
    QCOMPARE(mot(ico, 0), quint16(0));
    QCOMPARE(mot(ico, 2), quint16(1));
    QCOMPARE(mot(ico, 4), quint16(1));
    // The entry: 45 × 41, 32 bits, its data filling the rest of the file.
    QCOMPARE(quint8(ico[6]), quint8(45));
    QCOMPARE(quint8(ico[7]), quint8(41));
    QCOMPARE(mot(ico, 10), quint16(1));
    QCOMPARE(mot(ico, 12), quint16(32));
    QCOMPARE(long32(ico, 14), quint32(ico.size() - 22));
    QCOMPARE(long32(ico, 18), quint32(22));
    // Bitmap header: height doubled for the colour rows and the mask rows.
    QCOMPARE(long32(ico, 22), quint32(40));
    QCOMPARE(long32(ico, 26), quint32(45));
    QCOMPARE(long32(ico, 30), quint32(82));
    QCOMPARE(mot(ico, 36), quint16(32));
    QCOMPARE(long32(ico, 38), quint32(0));
    // The 1-bit mask agrees with the alpha channel, for readers without alpha.
    const int pixels = 22 + 40;
    const int masque = pixels + 45 * 41 * 4;
    for (int y = 0; y < 41; ++y) {
        for (int x = 0; x < 45; ++x) {
            const int alpha = quint8(ico[pixels + (y * 45 + x) * 4 + 3]);
            const bool transparent = quint8(ico[masque + y * 8 + x / 8]) & (0x80 >> (x % 8));
            QCOMPARE(transparent, alpha < 128);
        }
    }
    // It shows the hub bean at 45 %.
    const QImage icone = image(QStringLiteral("grain.ico"));
    QCOMPARE(icone.size(), QSize(45, 41));
    const QImage reduit = image(QStringLiteral("grain.png"))
                              .scaled(45, 41, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    qreal ecart = 0;
    for (int y = 0; y < 41; ++y) {
        for (int x = 0; x < 45; ++x)
            ecart += qAbs(qAlpha(icone.pixel(x, y)) - qAlpha(reduit.pixel(x, y)));
    }
    QVERIFY2(ecart / (45 * 41) < 20, qPrintable(QString::number(ecart / (45 * 41))));
}

void TstAssets::tickSound()
{
    const QByteArray wav = lire(QStringLiteral("tic-ancien1.wav"));
    QVERIFY(wav.size() > 44);
    QCOMPARE(wav.left(4), QByteArray("RIFF"));
    QCOMPARE(long32(wav, 4), quint32(wav.size() - 8));
    QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(long32(wav, 16), quint32(16));
    QCOMPARE(mot(wav, 20), quint16(1)); // PCM
    const int canaux = mot(wav, 22);
    const int frequence = int(long32(wav, 24));
    const int bits = mot(wav, 34);
    QVERIFY(canaux == 1 || canaux == 2);
    QCOMPARE(bits, 16);
    QCOMPARE(int(mot(wav, 32)), canaux * bits / 8);
    QCOMPARE(int(long32(wav, 28)), frequence * canaux * bits / 8);
    QCOMPARE(wav.mid(36, 4), QByteArray("data"));
    const int taille = int(long32(wav, 40));
    QCOMPARE(taille, wav.size() - 44);
    // A tick, not a tone: a few milliseconds up to a tenth of a second.
    const qreal duree = qreal(taille) / (frequence * canaux * bits / 8);
    QVERIFY2(duree > 0.005 && duree < 0.1, qPrintable(QString::number(duree)));
    int crete = 0;
    for (int i = 44; i + 1 < wav.size(); i += 2)
        crete = qMax(crete, qAbs(int(qFromLittleEndian<qint16>(wav.constData() + i))));
    QVERIFY2(crete > 8000 && crete < 32767, qPrintable(QString::number(crete)));
}

void TstAssets::resourceCollection()
{
    // The program names its pictures ":assets/NAME": the collection must
    // list them under the root prefix, by that path, without aliases.
    QFile qrc(QStringLiteral(DRAVOUNE_QRC));
    QVERIFY(qrc.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&qrc);
    QStringList fichiers;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("qresource"))
            QVERIFY(xml.attributes().value(QLatin1String("prefix")).isEmpty()
                    || xml.attributes().value(QLatin1String("prefix")) == QLatin1String("/"));
        if (xml.name() == QLatin1String("file")) {
            QVERIFY(!xml.attributes().hasAttribute(QLatin1String("alias")));
            fichiers.append(xml.readElementText());
        }
    }
    QVERIFY(!xml.hasError());
    fichiers.sort();
    QStringList attendus = { "assets/dravoune.png", "assets/legende_roue.png", "assets/grain.png",
                             "assets/logo_tesk.png", "assets/sound.png", "assets/soundoff.png",
                             "assets/grain.ico", "assets/varnoze.png" };
    attendus.sort();
    QCOMPARE(fichiers, attendus);
}

QTEST_GUILESS_MAIN(TstAssets)
#include "tst_assets.moc"
