#include "ui/focusregistry.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHeaderView>
#include <utility>

bool isFileView(const QWidget *widget)
{
    // Header views are item views too, but they never take the keyboard for the files.
    return qobject_cast<const QAbstractItemView *>(widget) &&
           !qobject_cast<const QHeaderView *>(widget);
}

FocusRegistry::FocusRegistry(QObject *parent)
    : QObject(parent)
{}

void FocusRegistry::registerArea(FocusZone zone, QWidget *area)
{
    m_areas.insert(zone, area);
}

void FocusRegistry::focus(FocusZone zone)
{
    focusNow(zone);
    const bool queued = m_pendingZone.has_value();
    m_pendingZone = zone;
    if (queued)
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (const std::optional<FocusZone> pending = std::exchange(m_pendingZone, {}))
                focusNow(*pending);
        },
        Qt::QueuedConnection);
}

void FocusRegistry::focusNow(FocusZone zone)
{
    const QPointer<QWidget> area = m_areas.value(zone);
    if (!area || !area->isVisible())
        return;
    QAbstractItemView *target = nullptr;
    for (QAbstractItemView *view : area->findChildren<QAbstractItemView *>()) {
        if (view->isVisible() && isFileView(view))
            target = view;
    }
    if (!target)
        return;
    // The keyboard already in the view, or in its rename field, stays where it is: a request
    // that arrives late must not end the editing the user began meanwhile.
    const QWidget *focused = QApplication::focusWidget();
    if (focused && (focused == target || target->isAncestorOf(focused)))
        return;
    target->setFocus(Qt::OtherFocusReason);
}

std::optional<FocusZone> FocusRegistry::zoneOf(const QWidget *widget) const
{
    for (auto area = m_areas.cbegin(); area != m_areas.cend(); ++area) {
        if (area.value() && widget &&
            (area.value() == widget || area.value()->isAncestorOf(widget)))
            return area.key();
    }
    return std::nullopt;
}
