#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <optional>

class Preferences;

// The content size the main window opens with: the last size when "windowRestoreSize" is on and
// a usable one is stored, else the start size. A stored size that is not positive or larger
// than every screen in `screens` (their available areas) is not usable. The result is at most
// the available area of the window's screen, `screen`, when there is one.
QSize wantedWindowSize(const Preferences &preferences,
                       const QList<QRect> &screens,
                       const std::optional<QRect> &screen);

// Stores `size` as the last size of the main window.
void recordWindowSize(Preferences &preferences, const QSize &size);
