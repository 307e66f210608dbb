#include "controller/quicklookcontroller.h"

#include "shortcuts/keymapping.h"
#include "shortcuts/shortcutstore.h"

#include <QKeyEvent>

QuickLookController::QuickLookController(const ShortcutStore &shortcuts, QObject *parent)
    : QObject(parent)
    , m_shortcuts(shortcuts)
{}

void QuickLookController::setCurrentIndex(int index)
{
    if (index < 0 || index >= m_items.size() || index == m_currentIndex)
        return;
    m_currentIndex = index;
    emit currentIndexChanged();
}

void QuickLookController::setIsVisible(bool isVisible)
{
    if (m_isVisible == isVisible)
        return;
    m_isVisible = isVisible;
    emit isVisibleChanged();
}

void QuickLookController::toggle(const QStringList &items, const QString &first)
{
    if (m_isVisible) {
        setIsVisible(false);
        return;
    }
    replace(items, first);
}

void QuickLookController::replace(const QStringList &items, const QString &first)
{
    const int index = items.isEmpty() ? -1 : qMax(0, int(items.indexOf(first)));
    if (m_items != items) {
        m_items = items;
        emit itemsChanged();
    }
    if (m_currentIndex != index) {
        m_currentIndex = index;
        emit currentIndexChanged();
    }
    setIsVisible(true);
}

bool QuickLookController::handleKeyPress(const QKeyEvent &event)
{
    if (event.type() != QEvent::KeyPress)
        return false;
    const std::optional<quint16> keyCode = virtualKeyCode(event);
    if (keyCode == KeyCode::right || keyCode == KeyCode::down || keyCode == KeyCode::left ||
        keyCode == KeyCode::up) {
        emit arrowPressed(keyCode == KeyCode::right || keyCode == KeyCode::down ? +1 : -1);
        return true;
    }
    const std::optional<ShortcutAction> action = m_shortcuts.action(event);
    if (keyCode == KeyCode::escape || action == ShortcutAction::quickLook ||
        action == ShortcutAction::view) {
        setIsVisible(false);
        return true;
    }
    return false;
}
