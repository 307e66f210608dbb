#include "retrolistview.h"

#include "bivanestate.h"
#include "fileicons.h"
#include "fileitem.h"
#include "localization.h"
#include "panemodel.h"
#include "panetablemodel.h"
#include "ui/viewbehaviour.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyledItemDelegate>

namespace {

constexpr int kIconSize = 14;
constexpr int kIconGap = 4;

FileColumn sortFieldOf(RetroListView::Column column)
{
    switch (column) {
    case RetroListView::Column::name:
        return FileColumn::name;
    case RetroListView::Column::size:
        return FileColumn::size;
    case RetroListView::Column::date:
        return FileColumn::modified;
    }
    return FileColumn::name;
}

// The numeric date and the short time, which fit the narrow date column.
QString retroDateText(Timestamp timestamp)
{
    if (timestamp.isDistantPast())
        return QStringLiteral("--");
    return QLocale().toString(timestamp.toDateTime(), QLocale::ShortFormat);
}

// Every row is drawn by the list itself, which knows the pane's selection and the colours.
class RetroRowDelegate : public QStyledItemDelegate
{
public:
    explicit RetroRowDelegate(RetroListView &view)
        : QStyledItemDelegate(&view)
        , m_view(view)
    {}

    void paint(QPainter *painter,
               const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        m_view.paintRow(*painter, option.rect, index.row());
    }

    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        return {0, m_view.fontMetrics().height() + 2};
    }

private:
    RetroListView &m_view;
};

} // namespace

RetroListView::RetroListView(BivaneState &state, PaneModel &pane, QWidget *parent)
    : QListView(parent)
    , m_pane(pane)
    , m_model(new PaneTableModel(&pane, this))
    , m_header(makeHeader())
    , m_parentRow(new QLabel(QStringLiteral("<UP--DIR>"), this))
    , m_errorText(new QLabel(viewport()))
{
    setModel(m_model);
    setItemDelegate(new RetroRowDelegate(*this));
    // The pane holds the selection; the list only draws it.
    setSelectionMode(NoSelection);
    setEditTriggers(NoEditTriggers);
    setUniformItemSizes(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAttribute(Qt::WA_MacShowFocusRect, false);
    m_parentRow->setContentsMargins(kMargin, 1, kMargin, 1);
    m_parentRow->setAutoFillBackground(true);
    m_parentRow->installEventFilter(this);
    m_errorText->setTextFormat(Qt::PlainText);
    m_errorText->setWordWrap(true);
    m_errorText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_errorText->setContentsMargins(kMargin, 1, kMargin, 1);

    connect(&pane, &PaneModel::sortOrderChanged, this, &RetroListView::showSortOrder);
    connect(&pane, &PaneModel::errorMessageChanged, this, &RetroListView::showError);
    showSortOrder();
    showError();
    auto *behaviour = new ViewBehaviour(*this, *m_model, state, pane, ClickRules::Style::retro);
    behaviour->setOwnPresses([this](const QPoint &at) {
        const int row = indexAt(at).row();
        return row >= 0 && isOnDisclosure(row, at.x());
    });
    behaviour->followTheme(
        [this](const Theme &theme, const Palette &colors) { followTheme(theme, colors); });
}

QWidget *RetroListView::makeHeader()
{
    auto *header = new QWidget(this);
    header->setAutoFillBackground(true);
    auto *row = new QHBoxLayout(header);
    row->setSpacing(kSpacing);
    row->setContentsMargins(kMargin, 2, kMargin, 2);
    for (Column column : {Column::name, Column::size, Column::date}) {
        auto *title = new QPushButton;
        title->setFlat(true);
        title->setFocusPolicy(Qt::NoFocus);
        connect(title, &QPushButton::clicked, this, [this, column] { sortBy(column); });
        if (column == Column::size)
            title->setFixedWidth(kSizeWidth);
        row->addWidget(title, column == Column::name ? 1 : 0);
        m_titles.append(title);
    }
    return header;
}

void RetroListView::showSortOrder()
{
    const SortOrder order = m_pane.sortOrder();
    const std::optional<SortComparator> first =
        order.isEmpty() ? std::nullopt : std::optional(order.first());
    const QString titles[] = {Bv::tr("Name"), Bv::tr("Größe"), Bv::tr("Datum")};
    for (Column column : {Column::name, Column::size, Column::date}) {
        QString text = titles[int(column)];
        if (first && first->field == sortFieldOf(column))
            text += first->direction == Qt::AscendingOrder ? QStringLiteral(" ▲")
                                                           : QStringLiteral(" ▼");
        m_titles.at(int(column))->setText(text);
    }
}

// The sorting column reverses; any other becomes the only key, ascending.
void RetroListView::sortBy(Column column)
{
    const FileColumn field = sortFieldOf(column);
    const SortOrder order = m_pane.sortOrder();
    Qt::SortOrder direction = Qt::AscendingOrder;
    if (!order.isEmpty() && order.first().field == field &&
        order.first().direction == Qt::AscendingOrder)
        direction = Qt::DescendingOrder;
    m_pane.setSortOrder({SortComparator{field, direction}});
    m_pane.rebuildItems();
}

void RetroListView::followTheme(const Theme &theme, const Palette &colors)
{
    m_colors = colors;
    m_showIcons = theme.showIcons;
    // The theme's font, not the widget's: the application's font reaches the widget later.
    const QString widestDate =
        QLocale().toString(QDateTime(QDate(2026, 12, 28), QTime(23, 58)), QLocale::ShortFormat);
    m_dateWidth = QFontMetrics(theme.font()).horizontalAdvance(widestDate) + kSpacing;
    m_titles.at(int(Column::date))->setFixedWidth(m_dateWidth);
    for (QWidget *area : {viewport(), m_header, static_cast<QWidget *>(m_parentRow)}) {
        QPalette areaColors = area->palette();
        areaColors.setColor(QPalette::Base, m_colors.background);
        areaColors.setColor(QPalette::Window, m_colors.background);
        areaColors.setColor(QPalette::WindowText, m_colors.folder);
        area->setPalette(areaColors);
    }
    QPalette errorColors = m_errorText->palette();
    errorColors.setColor(QPalette::WindowText, m_colors.text);
    m_errorText->setPalette(errorColors);
    for (QAbstractButton *title : m_titles) {
        const QString align =
            title == m_titles.first() ? QStringLiteral("left") : QStringLiteral("right");
        title->setStyleSheet(
            QStringLiteral("QPushButton { border: none; padding: 0; background: transparent; "
                           "text-align: %1; color: %2; }")
                .arg(align, m_colors.header.name(QColor::HexArgb)));
    }
}

// An unreadable folder shows, instead of the rows, why it cannot be listed.
void RetroListView::showError()
{
    const QString message = m_pane.errorMessage();
    m_errorText->setText(Bv::tr("Ordner nicht lesbar") + QLatin1Char('\n') + message);
    m_errorText->setVisible(!message.isNull());
}

void RetroListView::updateGeometries()
{
    // The header and the parent row stand above the rows, in the viewport's top margin.
    const int headerHeight = m_header->sizeHint().height();
    const int parentHeight = m_parentRow->sizeHint().height();
    if (viewportMargins().top() != headerHeight + parentHeight)
        setViewportMargins(0, headerHeight + parentHeight, 0, 0);
    const QRect area = contentsRect();
    m_header->setGeometry(area.left(), area.top(), viewport()->width(), headerHeight);
    m_parentRow->setGeometry(
        area.left(), area.top() + headerHeight, viewport()->width(), parentHeight);
    m_errorText->setGeometry(viewport()->rect());
    const int shown = shownSideColumns(viewport()->width() - 2 * kMargin);
    m_titles.at(int(Column::size))->setVisible(shown >= 1);
    m_titles.at(int(Column::date))->setVisible(shown >= 2);
    QListView::updateGeometries();
}

// In tree mode: two spaces per level, then the folder's disclosure mark or a space.
QString RetroListView::treePrefix(int row) const
{
    using Disclosure = PaneTableModel::Disclosure;
    const auto disclosure =
        Disclosure(m_model->index(row, 0).data(PaneTableModel::DisclosureRole).toInt());
    if (disclosure == Disclosure::none)
        return {};
    const QString indent(2 * m_model->depthAt(row), QLatin1Char(' '));
    if (disclosure == Disclosure::collapsed)
        return indent + QStringLiteral("▸");
    if (disclosure == Disclosure::expanded)
        return indent + QStringLiteral("▾");
    return indent + QLatin1Char(' ');
}

QString RetroListView::nameText(const FileItem &item)
{
    const QString name = item.text(FileColumn::name);
    return item.isDirectory ? QLatin1Char('/') + name : name;
}

QStringList RetroListView::cellTexts(int row) const
{
    const FileItem &item = m_model->itemAt(row);
    return {treePrefix(row) + nameText(item),
            item.isDirectory ? QStringLiteral("<DIR>") : item.sizeText(),
            retroDateText(item.modified)};
}

// In a narrow pane the date, then the size give way, so that the names stay readable.
int RetroListView::shownSideColumns(int innerWidth) const
{
    const int nameLeast = kNameLeastCharacters * fontMetrics().averageCharWidth() + kIconSize;
    int shown = 2;
    int room = innerWidth - kSizeWidth - m_dateWidth - 2 * kSpacing;
    if (room < nameLeast) {
        shown = 1;
        room += m_dateWidth + kSpacing;
    }
    if (room < nameLeast)
        shown = 0;
    return shown;
}

QList<QRect> RetroListView::cellRects(const QRect &line) const
{
    const QRect inner = line.adjusted(kMargin, 1, -kMargin, -1);
    const int shown = shownSideColumns(inner.width());
    int end = inner.right() + 1;
    QRect date;
    QRect size;
    if (shown >= 2) {
        date = QRect(end - m_dateWidth, inner.top(), m_dateWidth, inner.height());
        end = date.left() - kSpacing;
    }
    if (shown >= 1) {
        size = QRect(end - kSizeWidth, inner.top(), kSizeWidth, inner.height());
        end = size.left() - kSpacing;
    }
    const QRect name(inner.left(), inner.top(), end - inner.left(), inner.height());
    return {name, size, date};
}

void RetroListView::paintRow(QPainter &painter, const QRect &line, int row) const
{
    const FileItem &item = m_model->itemAt(row);
    const bool selected = m_pane.selection().contains(item.url);
    if (selected)
        painter.fillRect(line, m_colors.selectionBackground);
    painter.setPen(selected           ? m_colors.selectionForeground
                   : item.isDirectory ? m_colors.folder
                                      : m_colors.text);
    const QStringList texts = cellTexts(row);
    const QList<QRect> cells = cellRects(line);
    // The icon goes between the tree prefix and the name.
    const QString prefix = treePrefix(row);
    QRect nameCell = cells[0];
    painter.drawText(nameCell, Qt::AlignLeft | Qt::AlignVCenter, prefix);
    nameCell.setLeft(nameCell.left() + fontMetrics().horizontalAdvance(prefix));
    if (m_showIcons) {
        const QRect icon(
            nameCell.left(), nameCell.center().y() - kIconSize / 2, kIconSize, kIconSize);
        FileIcons::forItem(item).paint(&painter, icon);
        nameCell.setLeft(icon.right() + 1 + kIconGap);
    }
    const QString name = fontMetrics().elidedText(nameText(item), Qt::ElideRight, nameCell.width());
    painter.drawText(nameCell, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, name);
    for (int cell : {1, 2}) {
        if (!cells[cell].isEmpty())
            painter.drawText(cells[cell], Qt::AlignRight | Qt::AlignVCenter, texts[cell]);
    }
}

bool RetroListView::isOnDisclosure(int row, int x) const
{
    if (!m_model->itemAt(row).isDirectory)
        return false;
    const QString prefix = treePrefix(row);
    return !prefix.isEmpty() && x >= kMargin &&
           x < kMargin + fontMetrics().horizontalAdvance(prefix);
}

// A press on a folder's disclosure mark opens or closes it; the view behaviour leaves it here.
void RetroListView::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const int row = indexAt(at).row();
    if (event->button() == Qt::LeftButton && row >= 0 && isOnDisclosure(row, at.x())) {
        m_pane.toggleExpanded(m_model->itemAt(row).url);
        return;
    }
    QListView::mousePressEvent(event);
}

bool RetroListView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_parentRow && event->type() == QEvent::MouseButtonDblClick) {
        m_pane.goUp();
        return true;
    }
    return QListView::eventFilter(watched, event);
}

QWidget *withRetroList(BivaneState &state, PaneModel &pane, QWidget *table)
{
    auto *stack = new QStackedWidget;
    auto *retro = new RetroListView(state, pane);
    stack->addWidget(table);
    stack->addWidget(retro);
    const auto follow = [&state, stack, table, retro] {
        QWidget *shown = state.isRetro() ? static_cast<QWidget *>(retro) : table;
        const bool hadFocus = stack->currentWidget()->hasFocus();
        stack->setCurrentWidget(shown);
        if (hadFocus)
            shown->setFocus(Qt::OtherFocusReason);
    };
    QObject::connect(&state, &BivaneState::isRetroChanged, stack, follow);
    follow();
    return stack;
}
