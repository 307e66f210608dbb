#include "appearance/windowsize.h"

#include "platform/preferences.h"

#include <cmath>

namespace {

// Recorded (not 0) and small enough for at least one screen (any size fits without screens).
bool fitsSomeScreen(double width, double height, const QList<QRect> &screens)
{
    if (!(width > 0 && height > 0))
        return false;
    if (screens.isEmpty())
        return true;
    return std::any_of(screens.cbegin(), screens.cend(), [&](const QRect &area) {
        return width <= area.width() && height <= area.height();
    });
}

} // namespace

QSize wantedWindowSize(const Preferences &preferences,
                       const QList<QRect> &screens,
                       const std::optional<QRect> &screen)
{
    const double lastWidth = preferences.numberValue(Pref::windowLastWidth);
    const double lastHeight = preferences.numberValue(Pref::windowLastHeight);
    double width = preferences.numberValue(Pref::windowStartWidth);
    double height = preferences.numberValue(Pref::windowStartHeight);
    if (preferences.boolValue(Pref::windowRestoreSize) &&
        fitsSomeScreen(lastWidth, lastHeight, screens)) {
        width = lastWidth;
        height = lastHeight;
    }
    if (screen) {
        width = std::min(width, double(screen->width()));
        height = std::min(height, double(screen->height()));
    }
    return QSize(int(std::lround(width)), int(std::lround(height)));
}

void recordWindowSize(Preferences &preferences, const QSize &size)
{
    preferences.setValue(Pref::windowLastWidth, double(size.width()));
    preferences.setValue(Pref::windowLastHeight, double(size.height()));
}
