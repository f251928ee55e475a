// Runs a fuzz target on every input of a corpus, without libFuzzer.

#include <QDir>

#include <cstdint>
#include <cstdio>

// Weak, as libFuzzer has it: a target without set-up leaves it out.
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int *argc, char ***argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t taille);

int main(int argc, char *argv[])
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    const QFileInfoList entrees = QDir(QString::fromLocal8Bit(argv[1])).entryInfoList(QDir::Files);
    for (const QFileInfo &entree : entrees) {
        QFile f(entree.filePath());
        if (!f.open(QIODevice::ReadOnly))
            return 1;
        const QByteArray octets = f.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(octets.constData()), size_t(octets.size()));
    }
    std::printf("%d inputs replayed\n", int(entrees.size()));
    return entrees.isEmpty() ? 1 : 0;
}
