#include "ui/paneframe.h"

#include "ui/themedpieces.h"

#include <QPainter>
#include <QVBoxLayout>

namespace {

// The line lies inside the frame's edge; the content starts just inside the line.
constexpr int kLineWidth = 2;
constexpr int kRetroInset = 5;
constexpr qreal kCornerRadius = 6;

} // namespace

PaneFrame::PaneFrame(QWidget *content, QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(kLineWidth, kLineWidth, kLineWidth, kLineWidth);
    layout->addWidget(content);
}

void PaneFrame::setLook(bool active, bool retro, const QColor &activeColor, const QColor &idleColor)
{
    m_active = active;
    m_retro = retro;
    m_activeColor = activeColor;
    m_idleColor = idleColor;
    const int inset = retro ? kRetroInset : kLineWidth;
    layout()->setContentsMargins(inset, inset, inset, inset);
    update();
}

void PaneFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_retro) {
        paintRetroFrame(painter, rect(), m_active ? m_activeColor : m_idleColor);
        return;
    }
    if (!m_active)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(m_activeColor, kLineWidth));
    const qreal half = kLineWidth / 2.0;
    painter.drawRoundedRect(
        QRectF(rect()).adjusted(half, half, -half, -half), kCornerRadius, kCornerRadius);
}
