#include "ui/retrolistview.h"

#include "controller/bivanestate.h"
#include "model/fileitem.h"
#include "model/panemodel.h"
#include "platform/localization.h"
#include "ui/fileicons.h"
#include "ui/panetablemodel.h"
#include "ui/viewbehaviour.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QStackedWidget>
#include <QStyledItemDelegate>

namespace {

constexpr int kIconSize = 14;
constexpr int kIconGap = 4;
// Above and below a title.
constexpr int kTitleMargin = 2;

using Column = RetroListView::Column;

FileColumn fieldOf(Column column)
{
    switch (column) {
    case Column::name:
        return FileColumn::name;
    case Column::size:
        return FileColumn::size;
    case Column::date:
        return FileColumn::modified;
    }
    return FileColumn::name;
}

Column columnOf(int section)
{
    switch (FileColumn(section)) {
    case FileColumn::size:
        return Column::size;
    case FileColumn::modified:
        return Column::date;
    default:
        return Column::name;
    }
}

// The numeric date and the short time, which fit the narrow date column.
QString retroDateText(Timestamp timestamp)
{
    if (timestamp.isDistantPast())
        return QStringLiteral("--");
    return QLocale().toString(timestamp.toDateTime(), QLocale::ShortFormat);
}

// Every cell is drawn by the list, which knows the pane's selection and the colours.
class RetroCellDelegate : public QStyledItemDelegate
{
public:
    explicit RetroCellDelegate(RetroListView &view)
        : QStyledItemDelegate(&view)
        , m_view(view)
    {}

    void paint(QPainter *painter,
               const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        m_view.paintCell(*painter, option.rect, index);
    }

private:
    RetroListView &m_view;
};

} // namespace

// The three titles in the palette's header colour, the sorting one with its mark, and below
// them the parent row. A click on a title sorts by its column.
class RetroHeader : public QHeaderView
{
public:
    RetroHeader(RetroListView &view, QLabel &parentRow)
        : QHeaderView(Qt::Horizontal, &view)
        , m_view(view)
        , m_parentRow(parentRow)
    {
        parentRow.setParent(this);
    }

    int titleHeight() const { return fontMetrics().height() + 2 * kTitleMargin; }

    QSize sizeHint() const override
    {
        return {QHeaderView::sizeHint().width(), titleHeight() + m_parentRow.sizeHint().height()};
    }

protected:
    void paintSection(QPainter *painter, const QRect &rect, int section) const override
    {
        painter->fillRect(rect, m_view.colors().background);
        const Column column = columnOf(section);
        QRect title = rect;
        title.setHeight(titleHeight());
        painter->setPen(m_view.colors().header);
        painter->drawText(m_view.textRect(title, section),
                          (column == Column::name ? Qt::AlignLeft : Qt::AlignRight) |
                              Qt::AlignVCenter,
                          m_view.titleText(column));
    }

    void resizeEvent(QResizeEvent *event) override
    {
        QHeaderView::resizeEvent(event);
        m_parentRow.setGeometry(0, titleHeight(), width(), height() - titleHeight());
    }

private:
    RetroListView &m_view;
    QLabel &m_parentRow;
};

RetroListView::RetroListView(BivaneState &state, PaneModel &pane, QWidget *parent)
    : QTableView(parent)
    , m_pane(pane)
    , m_model(new PaneTableModel(&pane, this))
    , m_parentRow(new QLabel(QStringLiteral("<UP--DIR>")))
    , m_errorText(new QLabel(viewport()))
{
    setModel(m_model);
    m_header = new RetroHeader(*this, *m_parentRow);
    setHorizontalHeader(m_header);
    setItemDelegate(new RetroCellDelegate(*this));
    // The pane holds the selection; the list only draws it.
    setSelectionBehavior(SelectRows);
    setSelectionMode(NoSelection);
    setEditTriggers(NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAttribute(Qt::WA_MacShowFocusRect, false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    m_header->setSectionsClickable(true);
    m_header->setSectionsMovable(false);
    m_header->setHighlightSections(false);
    m_header->setStretchLastSection(false);
    m_header->setMinimumSectionSize(0);
    for (FileColumn field : allFileColumns())
        m_header->setSectionHidden(int(field), true);
    for (Column column : {Column::name, Column::size, Column::date}) {
        m_header->setSectionHidden(sectionOf(column), false);
        m_header->moveSection(m_header->visualIndex(sectionOf(column)), int(column));
        m_header->setSectionResizeMode(
            sectionOf(column), column == Column::name ? QHeaderView::Stretch : QHeaderView::Fixed);
    }
    connect(m_header, &QHeaderView::sectionClicked, this, [this](int section) {
        sortBy(columnOf(section));
    });

    m_parentRow->setContentsMargins(kMargin, 1, kMargin, 1);
    m_parentRow->setAutoFillBackground(true);
    m_parentRow->installEventFilter(this);
    m_errorText->setTextFormat(Qt::PlainText);
    m_errorText->setWordWrap(true);
    m_errorText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_errorText->setContentsMargins(kMargin, 1, kMargin, 1);

    connect(
        &pane, &PaneModel::sortOrderChanged, m_header->viewport(), qOverload<>(&QWidget::update));
    connect(&pane, &PaneModel::errorMessageChanged, this, &RetroListView::showError);
    showError();
    auto *behaviour = new ViewBehaviour(*this, *m_model, state, pane, ClickRules::Style::retro);
    behaviour->setOwnPresses([this](const QPoint &at) {
        const int row = indexAt(at).row();
        return row >= 0 && isOnDisclosure(row, at.x());
    });
    behaviour->followTheme(
        [this](const Theme &theme, const Palette &colors) { followTheme(theme, colors); });
}

int RetroListView::sectionOf(Column column)
{
    return int(fieldOf(column));
}

QString RetroListView::titleText(Column column) const
{
    const SortOrder order = m_pane.sortOrder();
    const QString titles[] = {Bv::tr("Name"), Bv::tr("Größe"), Bv::tr("Datum")};
    QString text = titles[int(column)];
    if (!order.isEmpty() && order.first().field == fieldOf(column))
        text += order.first().direction == Qt::AscendingOrder ? QStringLiteral(" ▲")
                                                              : QStringLiteral(" ▼");
    return text;
}

// The sorting column reverses; any other becomes the only key, ascending.
void RetroListView::sortBy(Column column)
{
    const FileColumn field = fieldOf(column);
    const SortOrder order = m_pane.sortOrder();
    Qt::SortOrder direction = Qt::AscendingOrder;
    if (!order.isEmpty() && order.first().field == field &&
        order.first().direction == Qt::AscendingOrder)
        direction = Qt::DescendingOrder;
    m_pane.setSortOrder({SortComparator{field, direction}});
}

void RetroListView::followTheme(const Theme &theme, const Palette &colors)
{
    m_colors = colors;
    m_showIcons = theme.showIcons;
    // The theme's font, not the widget's: the application's font reaches the widget later.
    const QString widestDate =
        QLocale().toString(QDateTime(QDate(2026, 12, 28), QTime(23, 58)), QLocale::ShortFormat);
    m_dateWidth = QFontMetrics(theme.font()).horizontalAdvance(widestDate) + kSpacing;
    for (QWidget *area : {viewport(), m_header->viewport(), static_cast<QWidget *>(m_parentRow)}) {
        QPalette areaColors = area->palette();
        areaColors.setColor(QPalette::Base, m_colors.background);
        areaColors.setColor(QPalette::Window, m_colors.background);
        areaColors.setColor(QPalette::WindowText, m_colors.folder);
        area->setPalette(areaColors);
    }
    QPalette errorColors = m_errorText->palette();
    errorColors.setColor(QPalette::WindowText, m_colors.text);
    m_errorText->setPalette(errorColors);
    fitColumns();
    m_header->viewport()->update();
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
    QTableView::updateGeometries();
    fitColumns();
    m_errorText->setGeometry(viewport()->rect());
}

void RetroListView::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 2);
}

// The size and the date keep their widths, the name takes the rest; in a narrow pane the date,
// then the size give way, so that the names stay readable.
void RetroListView::fitColumns()
{
    if (!m_header)
        return;
    if (verticalHeader()->defaultSectionSize() != fontMetrics().height() + 2)
        verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 2);
    const int shown = shownSideColumns(viewport()->width() - 2 * kMargin);
    const int size = sectionOf(Column::size);
    const int date = sectionOf(Column::date);
    const int sizeWidth = kSpacing + kSizeWidth + (shown == 1 ? kMargin : 0);
    const int dateWidth = kSpacing + m_dateWidth + kMargin;
    if (m_header->isSectionHidden(size) != (shown < 1))
        m_header->setSectionHidden(size, shown < 1);
    if (m_header->isSectionHidden(date) != (shown < 2))
        m_header->setSectionHidden(date, shown < 2);
    if (shown >= 1 && m_header->sectionSize(size) != sizeWidth)
        m_header->resizeSection(size, sizeWidth);
    if (shown >= 2 && m_header->sectionSize(date) != dateWidth)
        m_header->resizeSection(date, dateWidth);
}

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

// The line's outer margins belong to its first and last cells, the spacing to the cells after
// the first.
QRect RetroListView::textRect(const QRect &cell, int section) const
{
    int last = sectionOf(Column::name);
    for (Column column : {Column::size, Column::date}) {
        if (!m_header->isSectionHidden(sectionOf(column)))
            last = sectionOf(column);
    }
    const int left = columnOf(section) == Column::name ? kMargin : kSpacing;
    return cell.adjusted(left, 1, section == last ? -kMargin : 0, -1);
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

void RetroListView::paintCell(QPainter &painter, const QRect &cell, const QModelIndex &index) const
{
    const int row = index.row();
    const FileItem &item = m_model->itemAt(row);
    const bool selected = m_pane.selection().contains(item.url());
    if (selected)
        painter.fillRect(cell, m_colors.selectionBackground);
    painter.setPen(selected           ? m_colors.selectionForeground
                   : item.isDirectory ? m_colors.folder
                                      : m_colors.text);
    QRect text = textRect(cell, index.column());
    const Column column = columnOf(index.column());
    if (column != Column::name) {
        painter.drawText(text, Qt::AlignRight | Qt::AlignVCenter, cellTexts(row)[int(column)]);
        return;
    }
    // The icon goes between the tree prefix and the name.
    const QString prefix = treePrefix(row);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, prefix);
    text.setLeft(text.left() + fontMetrics().horizontalAdvance(prefix));
    if (m_showIcons) {
        const QRect icon(text.left(), text.center().y() - kIconSize / 2, kIconSize, kIconSize);
        FileIcons::forItem(item).paint(&painter, icon);
        text.setLeft(icon.right() + 1 + kIconGap);
    }
    const QString name = fontMetrics().elidedText(nameText(item), Qt::ElideRight, text.width());
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, name);
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
        m_pane.toggleExpanded(m_model->itemAt(row).url());
        return;
    }
    QTableView::mousePressEvent(event);
}

bool RetroListView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_parentRow && event->type() == QEvent::MouseButtonDblClick) {
        m_pane.goUp();
        return true;
    }
    return QTableView::eventFilter(watched, event);
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
