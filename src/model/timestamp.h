#pragma once

#include <QDateTime>
#include <compare>
#include <limits>

// A file date in milliseconds since the epoch. The default value is the distant past, which
// stands for "not available" and sorts before every real date.
struct Timestamp
{
    qint64 msecsSinceEpoch = std::numeric_limits<qint64>::min();

    static Timestamp fromSeconds(qint64 seconds, quint32 nanoseconds)
    {
        return {seconds * 1000 + nanoseconds / 1'000'000};
    }
    bool isDistantPast() const { return msecsSinceEpoch == Timestamp{}.msecsSinceEpoch; }
    QDateTime toDateTime() const { return QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch); }

    auto operator<=>(const Timestamp &) const = default;
};
