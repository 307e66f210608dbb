#include "ui/settingstabs/icondesigncell.h"

#include "ui/appiconpainter.h"
#include "ui/formtext.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace {

constexpr int kIconSize = 56;
constexpr int kPadding = 8;
constexpr int kSpacing = 10;
constexpr int kCornerRadius = 8;
constexpr int kMinimumWidth = 240;

QFont nameFont(const QFont &base, bool chosen)
{
    QFont font = base;
    font.setWeight(chosen ? QFont::DemiBold : QFont::Normal);
    return font;
}

QFont descriptionFont(const QFont &base)
{
    return captionFont(base).resolve(base);
}

} // namespace

IconDesignCell::IconDesignCell(AppIconDesign design, QWidget *parent)
    : QAbstractButton(parent)
    , m_design(design)
{
    setCheckable(true);
    setAutoExclusive(true);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(title(design));
    setAccessibleDescription(description(design));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

QRect IconDesignCell::textRect(int width) const
{
    const int left = kPadding + kIconSize + kSpacing;
    return {left, kPadding, std::max(0, width - left - kPadding), 0};
}

int IconDesignCell::heightForWidth(int width) const
{
    const QRect text = textRect(width);
    const int nameHeight = QFontMetrics(nameFont(font(), true)).height();
    const int descriptionHeight =
        QFontMetrics(descriptionFont(font()))
            .boundingRect(QRect(0, 0, text.width(), 10000), Qt::TextWordWrap, description(m_design))
            .height();
    return 2 * kPadding + std::max(kIconSize, nameHeight + descriptionHeight);
}

QSize IconDesignCell::sizeHint() const
{
    return {kMinimumWidth, heightForWidth(kMinimumWidth)};
}

void IconDesignCell::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF cell = QRectF(rect()).adjusted(1, 1, -1, -1);
    if (isChecked()) {
        QColor faint = palette().color(QPalette::Highlight);
        faint.setAlphaF(0.12);
        painter.setBrush(faint);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRoundedRect(cell, kCornerRadius, kCornerRadius);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }

    const QRectF iconSquare(kPadding, (height() - kIconSize) / 2.0, kIconSize, kIconSize);
    paintAppIcon(painter, iconSquare, m_design);

    QRect text = textRect(width());
    text.setHeight(height() - 2 * kPadding);
    const QFont name = nameFont(font(), isChecked());
    painter.setFont(name);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(text, Qt::AlignLeft | Qt::AlignTop, title(m_design));
    text.setTop(text.top() + QFontMetrics(name).height());
    painter.setFont(descriptionFont(font()));
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, description(m_design));
}
