#pragma once

#include <chrono>

class Countdown;

// What the program's delays count on: the steady clock, unless a stand-in has been installed
// (tests do, to move time on by hand instead of waiting for it). Only the main thread asks it.
class TimeSource
{
public:
    using Clock = std::chrono::steady_clock;

    // The stand-in in place, or none while real time counts.
    static TimeSource *installed();
    // The stand-in's time, else the steady clock's.
    static Clock::time_point now();

    virtual ~TimeSource() = default;

    virtual Clock::time_point currentTime() const = 0;
    // `countdown` has been started or restarted: it runs out at currentTime() plus its interval.
    virtual void countdownStarted(Countdown &countdown) = 0;
    // `countdown` has been stopped or is going; it must not run out any more.
    virtual void countdownStopped(Countdown &countdown) = 0;

protected:
    // A stand-in installs itself for as long as it lives, one at a time; nullptr takes it away.
    static void install(TimeSource *source);
    // Lets `countdown` run out now, as if its time had passed.
    static void runOut(Countdown &countdown);
    // Lets go of `countdown` without running it out, when the stand-in goes before it.
    static void release(Countdown &countdown);
};
