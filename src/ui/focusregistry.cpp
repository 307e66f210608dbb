#include "ui/focusregistry.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHeaderView>

bool isFileView(const QWidget *widget)
{
    // Header views are item views too, but they never take the keyboard for the files.
    return qobject_cast<const QAbstractItemView *>(widget) &&
           !qobject_cast<const QHeaderView *>(widget);
}

FocusRegistry::FocusRegistry(QObject *parent)
    : QObject(parent)
{
    m_pending.setSingleShot(true);
    m_pending.setInterval(kFocusDelayMilliseconds);
    connect(&m_pending, &QTimer::timeout, this, [this] { focusNow(m_pendingZone); });
}

void FocusRegistry::registerArea(FocusZone zone, QWidget *area)
{
    m_areas.insert(zone, area);
}

void FocusRegistry::focusLater(FocusZone zone)
{
    m_pendingZone = zone;
    m_pending.start();
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

std::optional<FocusZone> FocusRegistry::listZoneOf(const QWidget *widget) const
{
    for (FocusZone zone : {FocusZone::leftList, FocusZone::rightList}) {
        const QPointer<QWidget> area = m_areas.value(zone);
        if (area && widget && (area == widget || area->isAncestorOf(widget)))
            return zone;
    }
    return std::nullopt;
}
