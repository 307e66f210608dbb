#include "panewithsidebar.h"

#include "panemodel.h"
#include "preferencekeys.h"
#include "preferences.h"
#include "settledwrite.h"
#include "themedpieces.h"

#include <QHBoxLayout>

PaneWithSidebar::PaneWithSidebar(PaneSide side,
                                 PaneModel &pane,
                                 Preferences &preferences,
                                 QWidget *sidebar,
                                 QWidget *content,
                                 QWidget *parent)
    : QWidget(parent)
    , m_pane(pane)
    , m_preferences(preferences)
    , m_sideKey(side == PaneSide::left ? QStringLiteral("left") : QStringLiteral("right"))
    , m_storeWidth(new SettledWrite(this))
    , m_sidebar(new QWidget)
{
    auto *sidebarLayout = new QHBoxLayout(m_sidebar);
    sidebarLayout->setContentsMargins(0, 0, 0, 0);
    sidebarLayout->addWidget(sidebar);

    // The store gives the width in its range, or none for the pane's own.
    const QVariant stored = preferences.mapValue(Pref::sidebarWidths).value(m_sideKey);
    if (stored.isValid())
        pane.setSidebarWidth(stored.toDouble());
    m_handle = new SidebarResizeHandle(pane.sidebarWidth(),
                                       side == PaneSide::left ? SidebarResizeHandle::Grows::toRight
                                                              : SidebarResizeHandle::Grows::toLeft);
    connect(m_handle, &SidebarResizeHandle::sidebarWidthChanged, this, &PaneWithSidebar::setWidth);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const QList<QWidget *> order = side == PaneSide::left
                                       ? QList<QWidget *>{m_sidebar, m_handle, content}
                                       : QList<QWidget *>{content, m_handle, m_sidebar};
    for (QWidget *widget : order)
        layout->addWidget(widget, widget == content ? 1 : 0);

    connect(&pane, &PaneModel::sidebarWidthChanged, this, &PaneWithSidebar::followWidth);
    followWidth();
    connect(&pane, &PaneModel::showSidebarChanged, this, &PaneWithSidebar::followShowSidebar);
    followShowSidebar();
}

void PaneWithSidebar::followWidth()
{
    m_sidebar->setFixedWidth(qRound(m_pane.sidebarWidth()));
}

void PaneWithSidebar::followShowSidebar()
{
    m_sidebar->setVisible(m_pane.showSidebar());
    m_handle->setVisible(m_pane.showSidebar());
}

// Live while dragging; the stored width, the one of the next start, is where the drag ended.
void PaneWithSidebar::setWidth(double width)
{
    m_pane.setSidebarWidth(width);
    m_storeWidth->schedule([preferences = &m_preferences, side = m_sideKey, width] {
        QVariantMap widths = preferences->mapValue(Pref::sidebarWidths);
        widths.insert(side, width);
        preferences->setValue(Pref::sidebarWidths, widths);
    });
}
