#include "ui/panewithsidebar.h"

#include "model/panemodel.h"
#include "platform/preferencekeys.h"
#include "platform/preferences.h"
#include "ui/settledwrite.h"
#include "ui/themedpieces.h"

#include <QHBoxLayout>
#include <algorithm>
#include <cmath>

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
    , m_content(content)
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

// The pane's sidebar width where there is room for it besides the content; less, down to the
// least sidebar width, where there is not.
void PaneWithSidebar::followWidth()
{
    const int wanted = int(std::lround(m_pane.sidebarWidth()));
    const int room = width() - m_handle->minimumWidth() - kContentRoom;
    const int least = int(Pref::sidebarWidthRange.minimum);
    const int shown = std::clamp(room, std::min(least, wanted), wanted);
    if (m_sidebar->minimumWidth() == shown && m_sidebar->maximumWidth() == shown)
        return;
    m_sidebar->setFixedWidth(shown);
    if (layout())
        layout()->activate();
}

void PaneWithSidebar::followShowSidebar()
{
    m_sidebar->setVisible(m_pane.showSidebar());
    m_handle->setVisible(m_pane.showSidebar());
    updateGeometry();
}

QSize PaneWithSidebar::minimumSizeHint() const
{
    int least = std::max(m_content->minimumWidth(), m_content->minimumSizeHint().width());
    if (m_pane.showSidebar())
        least += int(Pref::sidebarWidthRange.minimum) + m_handle->minimumWidth();
    return {std::max(kMinimumWidth, least), QWidget::minimumSizeHint().height()};
}

void PaneWithSidebar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    followWidth();
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
