// libFuzzer target: byte strings decoded as the events a wheel can meet,
// from random moves to storms of resizes. The normal build replays the
// corpus through it.

#include "sonde.h"
#include "zoneroue.h"

#include <QApplication>
#include <QResizeEvent>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// Reads little-endian integers off the input; past its end, zeros.
class Lecteur
{
public:
    Lecteur(const uint8_t *data, size_t taille) : data(data), taille(taille), pos(0) {}

    bool fini() const { return pos >= taille; }
    uint8_t octet() { return pos < taille ? data[pos++] : 0; }
    int32_t entier32()
    {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v |= uint32_t(octet()) << (8 * i);
        return int32_t(v);
    }
    // Coordinates from -32768 to 32767: well beyond any screen.
    int position() { return int16_t(uint16_t(octet() | octet() << 8)); }
    QPoint point()
    {
        const int x = position();
        return QPoint(x, position());
    }

private:
    const uint8_t *data;
    size_t taille;
    size_t pos;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // No display: the model is fuzzed, not the GL surface.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform warns at every resize; the warnings only slow
    // the fuzzer down.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    static QApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t taille)
{
    ZoneRoue roue(QString(), nullptr);
    roue.setMinimumSize(0, 0);
    roue.resize(800, 600);
    Sonde s(roue);
    Lecteur entree(data, taille);
    bool son = true;
    while (!entree.fini()) {
        switch (entree.octet() % 8) {
        case 0: s.presser(entree.point()); break;
        case 1: s.bouger(entree.point()); break;
        case 2: s.lacher(entree.point()); break;
        case 3: roue.resize(entree.octet() * 16, entree.octet() * 16); break;
        case 4: roue.declencher(entree.entier32()); break;
        case 5: roue.setSonActif(son = !son); break;
        case 6: s.image(); break;
        default: s.ticAuto(); break;
        }
        if (!s.etatSain())
            std::abort();
    }
    return 0;
}
