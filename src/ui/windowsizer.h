#pragma once

#include "platform/countdown.h"

#include <QObject>

class Preferences;
class SettledWrite;
class QWidget;

// Gives the main window its start or last size and records the user's resizing. The size is
// applied at once and again 0.25 s later (after the first layout pass); resizes are recorded
// only from 0.6 s on, so the sizes applied here never count as the user's, and only once a
// resize has settled.
class WindowSizer : public QObject
{
    Q_OBJECT

public:
    // When the size is applied again, and when the user's resizing starts to count.
    static constexpr std::chrono::milliseconds kApplyAgainAfter{250};
    static constexpr std::chrono::milliseconds kTrackAfter{600};

    WindowSizer(QWidget &window, Preferences &preferences);

    bool isTracking() const { return m_tracking; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applySize();

    QWidget &m_window;
    Preferences &m_preferences;
    bool m_tracking = false;
    SettledWrite *m_storeSize;
    Countdown m_applyAgain{kApplyAgainAfter};
    Countdown m_startTracking{kTrackAfter};
};
