#include "ui/themedpieces.h"

#include "ui/themedroot.h"

#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <cmath>

ThemedDivider::ThemedDivider(Orientation orientation, QWidget *parent)
    : QFrame(parent)
    , m_orientation(orientation)
{
    follow();
}

bool ThemedDivider::event(QEvent *event)
{
    // Reached the themed window, or its theme changed: the look may change with it.
    if (event->type() == QEvent::ParentChange || event->type() == QEvent::PaletteChange)
        follow();
    return QFrame::event(event);
}

void ThemedDivider::follow()
{
    const bool vertical = m_orientation == Orientation::vertical;
    if (ThemedRoot::themeOf(this).isRetro()) {
        setFrameShape(QFrame::NoFrame);
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        // One pixel across, as long as the layout makes it.
        if (vertical)
            setFixedWidth(1);
        else
            setFixedHeight(1);
    } else {
        setFrameShape(vertical ? QFrame::VLine : QFrame::HLine);
        setFrameShadow(QFrame::Sunken);
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    update();
}

void ThemedDivider::paintEvent(QPaintEvent *event)
{
    const ThemedRoot *root = ThemedRoot::of(this);
    if (!root || !root->theme().isRetro()) {
        QFrame::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.fillRect(rect(), root->palette().border);
}

void useColumnResizeCursor(QWidget &widget)
{
    widget.setCursor(Qt::SizeHorCursor);
}

SidebarResizeHandle::SidebarResizeHandle(double width, Grows grows, QWidget *parent)
    : QWidget(parent)
    , m_grows(grows)
    , m_width(width)
{
    setFixedWidth(8);
    useColumnResizeCursor(*this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 0, 4, 0);
    layout->addWidget(new ThemedDivider(ThemedDivider::Orientation::vertical));
}

double SidebarResizeHandle::draggedWidth(double startWidth, double dx, Grows grows)
{
    const double width = grows == Grows::toRight ? startWidth + dx : startWidth - dx;
    return std::clamp(width, kMinimumWidth, kMaximumWidth);
}

void SidebarResizeHandle::mousePressEvent(QMouseEvent *event)
{
    m_pressX = event->globalPosition().x();
    m_dragging = false;
}

void SidebarResizeHandle::mouseMoveEvent(QMouseEvent *event)
{
    const double dx = event->globalPosition().x() - m_pressX;
    if (!m_dragging && std::abs(dx) < 1)
        return; // a drag starts after one pixel
    m_dragging = true;
    if (!m_startWidth)
        m_startWidth = m_width;
    const double width = draggedWidth(*m_startWidth, dx, m_grows);
    if (width == m_width)
        return;
    m_width = width;
    emit sidebarWidthChanged(width);
}

void SidebarResizeHandle::mouseReleaseEvent(QMouseEvent *)
{
    m_startWidth.reset();
    m_dragging = false;
}

void paintRetroFrame(QPainter &painter, const QRect &rect, const QColor &color)
{
    painter.save();
    painter.setPen(QPen(color, 1));
    painter.setBrush(Qt::NoBrush);
    const QRect outer = rect.adjusted(0, 0, -1, -1);
    painter.drawRect(outer);
    painter.drawRect(outer.adjusted(3, 3, -3, -3));
    painter.restore();
}
