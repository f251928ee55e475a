// libFuzzer target: byte strings decoded as the events a wheel can meet,
// from random moves to storms of resizes. The normal build replays the
// corpus through it.

#include "sonde.h"
#include "zoneroue.h"

#include <QApplication>
#include <QDataStream>

#include <cstdint>
#include <cstdlib>

// libFuzzer's signature, argc included.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) // NOLINT(readability-non-const-parameter)
{
    // No display: the model is fuzzed, not the GL surface.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform warns at every resize; the warnings only slow
    // the fuzzer down.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    // Never destroyed, and held by qApp: the mouse events' pointing device,
    // a child of the application, sits in a registry of Qt 6 made after the
    // application, and gone before a static application's destructor would
    // take the device out of it.
    new QApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t taille)
{
    ZoneRoue roue(QString(), nullptr);
    roue.setMinimumSize(0, 0);
    roue.resize(800, 600);
    Sonde s(roue);
    // Little-endian integers; past the end of the input, zeros. Coordinates
    // run from -32768 to 32767, well beyond any screen.
    QDataStream entree(QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(taille)));
    entree.setByteOrder(QDataStream::LittleEndian);
    const auto lire = [&entree](auto valeur) {
        entree >> valeur;
        return valeur;
    };
    const auto point = [&lire] {
        const int x = lire(qint16());
        return QPoint(x, lire(qint16()));
    };
    bool son = true;
    while (!entree.atEnd()) {
        switch (lire(quint8()) % 8) {
        case 0: s.presser(point()); break;
        case 1: s.bouger(point()); break;
        case 2: s.lacher(point()); break;
        case 3: {
            const int l = lire(quint8()) * 16;
            roue.resize(l, lire(quint8()) * 16);
            break;
        }
        case 4: roue.declencher(lire(qint32())); break;
        case 5: roue.setSonActif(son = !son); break;
        case 6: s.image(); break;
        default: s.ticAuto(); break;
        }
        if (!s.etatSain())
            std::abort();
    }
    return 0;
}
