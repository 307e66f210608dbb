#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>

class TimeSource;

// A single-shot timer for the program's deliberate delays (settling, showing late, staying for
// a while): it runs out once its interval has passed since the last start(), on the main
// thread. It counts real time, or the stand-in's time when one is installed (see TimeSource)
// at start(), so tests move that time on instead of waiting for it.
class Countdown : public QObject
{
    Q_OBJECT

public:
    explicit Countdown(std::chrono::milliseconds interval, QObject *parent = nullptr);
    ~Countdown() override;

    std::chrono::milliseconds interval() const { return m_interval; }
    bool isActive() const { return m_standIn || m_timer.isActive(); }

    // Starts counting the interval anew, also when it runs already.
    void start();
    void stop();

signals:
    void timeout();

private:
    friend class TimeSource;

    const std::chrono::milliseconds m_interval;
    QTimer m_timer;
    TimeSource *m_standIn = nullptr; // the stand-in counting it while it runs, if any
};
