#include "ui/paneitemdelegate.h"

#include "model/filecolumn.h"
#include "platform/localization.h"
#include "ui/panetablemodel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

using Disclosure = PaneTableModel::Disclosure;

Disclosure disclosureOf(const QModelIndex &index)
{
    return Disclosure(index.data(PaneTableModel::DisclosureRole).toInt());
}

bool isNameCell(const QModelIndex &index)
{
    return index.column() == int(FileColumn::name);
}

// A chevron pointing right (collapsed) or down (expanded), centred in `slot`.
void paintChevron(QPainter &painter, const QRectF &slot, bool expanded, const QColor &color)
{
    const QPointF c = slot.center();
    const qreal r = 3;
    QPainterPath path;
    if (expanded) {
        path.moveTo(c.x() - r, c.y() - r / 2);
        path.lineTo(c.x(), c.y() + r / 2);
        path.lineTo(c.x() + r, c.y() - r / 2);
    } else {
        path.moveTo(c.x() - r / 2, c.y() - r);
        path.lineTo(c.x() + r / 2, c.y());
        path.lineTo(c.x() - r / 2, c.y() + r);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.restore();
}

} // namespace

void PaneItemDelegate::setColors(const QColor &folder, const QColor &secondary)
{
    m_folder = folder;
    m_secondary = secondary;
}

int PaneItemDelegate::indentOf(const QModelIndex &index)
{
    if (!isNameCell(index) || disclosureOf(index) == Disclosure::none)
        return 0;
    return index.data(PaneTableModel::DepthRole).toInt() * kIndentPerLevel + kDisclosureWidth;
}

QRect PaneItemDelegate::disclosureRect(const QRect &cell, const QModelIndex &index)
{
    const int left = cell.left() + indentOf(index) - kDisclosureWidth;
    return QRect(left, cell.top(), kDisclosureWidth, cell.height());
}

bool PaneItemDelegate::isOnDisclosure(const QRect &cell, const QModelIndex &index, QPoint point)
{
    const Disclosure disclosure = disclosureOf(index);
    return isNameCell(index) &&
           (disclosure == Disclosure::collapsed || disclosure == Disclosure::expanded) &&
           disclosureRect(cell, index).contains(point);
}

void PaneItemDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->decorationSize = QSize(kIconSize, kIconSize);
    const bool folderName = isNameCell(index) && index.data(PaneTableModel::IsFolderRole).toBool();
    const QColor color = isNameCell(index) ? (folderName ? m_folder : QColor()) : m_secondary;
    if (color.isValid()) {
        option->palette.setColor(QPalette::Active, QPalette::Text, color);
        option->palette.setColor(QPalette::Inactive, QPalette::Text, color);
    }
}

void PaneItemDelegate::paint(QPainter *painter,
                             const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    const int indent = indentOf(index);
    if (indent == 0) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The content moves right by the indentation.
    paintIn(painter, option, index, option.rect.adjusted(indent, 0, 0, 0));
    const Disclosure disclosure = disclosureOf(index);
    if (disclosure == Disclosure::collapsed || disclosure == Disclosure::expanded) {
        const bool selected = option.state & QStyle::State_Selected;
        paintChevron(*painter,
                     disclosureRect(option.rect, index),
                     disclosure == Disclosure::expanded,
                     option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    }
}

void PaneItemDelegate::paintIn(QPainter *painter,
                               const QStyleOptionViewItem &option,
                               const QModelIndex &index,
                               const QRect &content) const
{
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &background, painter, widget);
    QStyleOptionViewItem inside = option;
    inside.rect = content;
    QStyledItemDelegate::paint(painter, inside, index);
}

bool PaneItemDelegate::editorEvent(QEvent *event,
                                   QAbstractItemModel *model,
                                   const QStyleOptionViewItem &option,
                                   const QModelIndex &index)
{
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (press && isOnDisclosure(
                     option.rect, index, static_cast<QMouseEvent *>(event)->position().toPoint())) {
        // Only the press toggles: a double click on the mark toggles once and opens nothing.
        if (event->type() == QEvent::MouseButtonPress)
            emit disclosureClicked(index);
        return true;
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}

QWidget *PaneItemDelegate::createEditor(QWidget *parent,
                                        const QStyleOptionViewItem &,
                                        const QModelIndex &) const
{
    auto *field = new QLineEdit(parent);
    field->setPlaceholderText(Bv::tr("Name"));
    return field;
}

void PaneItemDelegate::updateEditorGeometry(QWidget *editor,
                                            const QStyleOptionViewItem &option,
                                            const QModelIndex &index) const
{
    // Beside the icon, over the name.
    QRect rect = option.rect;
    rect.setLeft(rect.left() + indentOf(index) + kIconSize + 6);
    editor->setGeometry(rect);
}

bool PaneItemDelegate::eventFilter(QObject *watched, QEvent *event)
{
    if (!qobject_cast<QLineEdit *>(watched))
        return false;
    if (event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit renameConfirmed();
            return true;
        case Qt::Key_Escape:
            emit renameCancelled();
            return true;
        default:
            return false;
        }
    }
    if (event->type() == QEvent::FocusOut) {
        // The field's own menu and a switch to another window leave the rename open.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            emit renameCancelled();
    }
    return false;
}
