#ifndef PROCESSUS_H
#define PROCESSUS_H

#include <QProcess>

// A helper process that never outlives the test: it leads its own process
// group, which the destructor ends whole, and the kernel kills it should
// the test itself die (a crash, or CTest's time-out).
class Processus : public QProcess
{
    Q_OBJECT

public:
    explicit Processus(QObject *parent = nullptr);
    ~Processus() override;

    // Sends a signal to the whole group.
    void signaler(int signal);
    // Asks the group to end, then forces it; returns once it is gone.
    void arreter();

protected:
    void setupChildProcess() override;
};

#endif
