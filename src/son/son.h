#ifndef SON_H
#define SON_H

#include <QString>

class FluxSon;

// A short sound that can be restarted at any moment and is never lost.
// The file is read once; its samples are then fed, followed by silence, to
// an audio stream of the object's own. A play() is heard as soon as the
// stream's small buffer has played out, however long the pause before it.
// A missing or broken file gives silence.
class Son
{
public:
    explicit Son(const QString &chemin);
    // Frees the stream. The tests' counting stand-in has none to free, and
    // defaults it.
    ~Son(); // NOLINT(performance-trivially-destructible)

    Son(const Son &) = delete;
    Son &operator=(const Son &) = delete;

    void play();
    void stop();

private:
    FluxSon *flux; // owned; none when the file holds no sound
};

#endif
