#include "ui/windowsizer.h"

#include "appearance/windowsize.h"
#include "ui/settledwrite.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

WindowSizer::WindowSizer(QWidget &window, Preferences &preferences)
    : QObject(&window)
    , m_window(window)
    , m_preferences(preferences)
    , m_storeSize(new SettledWrite(this))
{
    applySize();
    connect(&m_applyAgain, &Countdown::timeout, this, &WindowSizer::applySize);
    connect(&m_startTracking, &Countdown::timeout, this, [this] { m_tracking = true; });
    m_applyAgain.start();
    m_startTracking.start();
    m_window.installEventFilter(this);
}

bool WindowSizer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window && event->type() == QEvent::Resize && m_tracking)
        m_storeSize->schedule([preferences = &m_preferences, size = m_window.size()] {
            recordWindowSize(*preferences, size);
        });
    return false;
}

void WindowSizer::applySize()
{
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    const QScreen *current =
        m_window.screen() ? m_window.screen() : QGuiApplication::primaryScreen();
    const std::optional<QRect> area =
        current ? std::optional(current->availableGeometry()) : std::nullopt;
    m_window.resize(wantedWindowSize(m_preferences, screens, area));
}
