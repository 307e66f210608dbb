#include "ui/iconcelldelegate.h"

#include "model/thumbnailloader.h"
#include "ui/fileicons.h"
#include "ui/formtext.h"
#include "ui/panetablemodel.h"

#include <QPainter>
#include <QTextLayout>
#include <cmath>

namespace {

// The label's padding above and below the text.
constexpr int kLabelPadding = 1;
// The caption is to the list's font as 10 points are to 13.
constexpr double kCaptionScale = 10.0 / 13.0;

// The name broken into at most `maximum` lines of `width`; what does not fit is elided in the
// middle of the last line, so the extension stays visible.
QStringList nameLines(const QString &name, const QFont &font, int width, int maximum)
{
    QTextLayout layout(name, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (lines.size() == maximum - 1) {
            lines << QFontMetrics(font).elidedText(
                name.mid(line.textStart()).trimmed(), Qt::ElideMiddle, width);
            break;
        }
        lines << name.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}

} // namespace

IconCellDelegate::IconCellDelegate(ThumbnailLoader &thumbnails, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_thumbnails(thumbnails)
    , m_colors(Theme().palette(QPalette()))
{}

void IconCellDelegate::setColors(const Palette &colors)
{
    m_colors = colors;
}

void IconCellDelegate::setItemGeometry(QSize itemSize, int columnWidth)
{
    m_itemSize = itemSize;
    m_columnWidth = columnWidth;
}

QFont IconCellDelegate::captionFont(const QFont &font)
{
    return scaledFont(font, kCaptionScale);
}

int IconCellDelegate::cellHeight(const QFont &font)
{
    const int lineHeight = QFontMetrics(captionFont(font)).height();
    return kCellMargin + kIconSize + kIconNameSpacing + kNameLines * lineHeight +
           2 * kLabelPadding + kCellMargin;
}

int IconCellDelegate::thumbnailPixels(const QWidget *widget)
{
    const double ratio = widget ? widget->devicePixelRatioF() : 1.0;
    return ratio > 1 ? int(std::ceil(kIconSize * ratio)) : kIconSize;
}

QSize IconCellDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    return m_itemSize.isValid() ? m_itemSize : QSize(kCellWidth, cellHeight(option.font));
}

void IconCellDelegate::paint(QPainter *painter,
                             const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    const QRect column(option.rect.topLeft(), QSize(m_columnWidth, option.rect.height()));
    const QRect cell(column.left() + (column.width() - kCellWidth) / 2,
                     column.top(),
                     kCellWidth,
                     cellHeight(option.font));
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (selected) {
        QColor background = m_colors.header;
        background.setAlphaF(0.2f);
        painter->setPen(Qt::NoPen);
        painter->setBrush(background);
        painter->drawRoundedRect(cell, kCellRadius, kCellRadius);
    }
    const QRect iconRect(
        cell.left() + (kCellWidth - kIconSize) / 2, cell.top() + kCellMargin, kIconSize, kIconSize);
    paintPicture(*painter, iconRect, index, option.widget);
    paintName(
        *painter, cell, index.data(Qt::DisplayRole).toString(), captionFont(option.font), selected);
    painter->restore();
}

// The thumbnail once it is made, the file type's icon until then and for files without one.
void IconCellDelegate::paintPicture(QPainter &painter,
                                    const QRect &iconRect,
                                    const QModelIndex &index,
                                    const QWidget *widget) const
{
    const FileItem &item = static_cast<const PaneTableModel *>(index.model())->itemAt(index.row());
    QImage thumbnail;
    if (ThumbnailLoader::mayHaveThumbnail(item))
        thumbnail = m_thumbnails.cached(ThumbnailLoader::keyFor(item, thumbnailPixels(widget)))
                        .value_or(QImage());
    if (thumbnail.isNull()) {
        FileIcons::forItem(item).paint(&painter, iconRect);
        return;
    }
    // Decoded to fit the box in device pixels; small pictures keep their own size.
    const double ratio = double(thumbnailPixels(widget)) / kIconSize;
    const QSizeF shown = QSizeF(thumbnail.size()) / ratio;
    QRectF target(QPointF(), shown);
    target.moveCenter(QRectF(iconRect).center());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, thumbnail);
}

void IconCellDelegate::paintName(QPainter &painter,
                                 const QRect &cell,
                                 const QString &name,
                                 const QFont &font,
                                 bool selected) const
{
    const int textWidth = kCellWidth - 2 * kCellMargin - 2 * kLabelMargin;
    const QStringList lines = nameLines(name, font, textWidth, kNameLines);
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int labelWidth = std::min(widest, textWidth) + 2 * kLabelMargin;
    const QRect label(cell.left() + (kCellWidth - labelWidth) / 2,
                      cell.top() + kCellMargin + kIconSize + kIconNameSpacing,
                      labelWidth,
                      int(lines.size()) * metrics.height() + 2 * kLabelPadding);
    if (selected) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(m_colors.selectionBackground);
        painter.drawRoundedRect(label, kLabelRadius, kLabelRadius);
    }
    painter.setFont(font);
    painter.setPen(selected ? m_colors.selectionForeground : m_colors.text);
    QRect line = label.adjusted(kLabelMargin, kLabelPadding, -kLabelMargin, 0);
    line.setHeight(metrics.height());
    for (const QString &text : lines) {
        painter.drawText(line, Qt::AlignHCenter | Qt::AlignTop, text);
        line.translate(0, metrics.height());
    }
}
