#ifndef SON_H
#define SON_H

#include "wav.h"

#include <QIODevice>

#include <memory>

class QAudioOutput;

// A short sound that can be restarted at any moment and is never lost.
// The file is read once; its samples are then fed, followed by silence, to
// an audio stream kept open for the object's whole life, so a play() is
// heard as soon as the stream's small buffer has played out, however long
// the pause before it. A missing or broken file gives silence.
class Son : public QIODevice
{
    Q_OBJECT

public:
    explicit Son(const QString &chemin);
    ~Son() override;

    void play();
    void stop();

    bool isSequential() const override;

protected:
    qint64 readData(char *data, qint64 maxlen) override;
    qint64 writeData(const char *data, qint64 len) override;

private:
    Wav wav;
    int position;   // next byte of wav.pcm to play; its size when silent
    std::unique_ptr<QAudioOutput> sortie;
};

#endif
