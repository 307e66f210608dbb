#include "ui/sidebarview.h"

#include "appearance/theme.h"
#include "controller/bivanestate.h"
#include "controller/favorites.h"
#include "controller/transfers.h"
#include "model/panemodel.h"
#include "platform/localization.h"
#include "platform/pathnames.h"
#include "ui/formtext.h"
#include "ui/symbolicons.h"
#include "ui/themedroot.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyledItemDelegate>

namespace {

constexpr int kUrlRole = Qt::UserRole + 1;
constexpr int kFavoriteRole = Qt::UserRole + 2;
constexpr int kHintRole = Qt::UserRole + 3;

// Titles and the hint can be neither chosen nor selected.
QStandardItem *makeCaption(const QString &text, const QFont &font)
{
    auto *item = new QStandardItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    item->setFont(font);
    return item;
}

} // namespace

// The desktop rows: the drop hint in the secondary colour of the palette the view has when it
// paints, so that it follows every change of the theme. A desktop whose secondary colour is too
// faint to read on the list's background (below 4.5:1) gets the text colour instead.
class DesktopSidebarDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!index.data(kHintRole).toBool())
            return;
        const QColor base = option->palette.color(QPalette::Base);
        QColor secondary = option->palette.color(QPalette::PlaceholderText);
        const double alpha = secondary.alphaF();
        secondary = QColor::fromRgbF(alpha * secondary.redF() + (1 - alpha) * base.redF(),
                                     alpha * secondary.greenF() + (1 - alpha) * base.greenF(),
                                     alpha * secondary.blueF() + (1 - alpha) * base.blueF());
        if (contrastRatio(secondary, base) >= 4.5)
            option->palette.setColor(QPalette::Text, secondary);
    }
};

// The text-mode rows: one line each, section titles in the header colour, the current folder's
// entry in the selection colours, no symbols, as a text screen would show them.
class RetroSidebarDelegate : public QStyledItemDelegate
{
public:
    static constexpr int kHorizontalMargin = 6;
    static constexpr int kVerticalMargin = 1;

    using QStyledItemDelegate::QStyledItemDelegate;

    void setColors(const Palette &colors) { m_colors = colors; }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const override
    {
        return {option.rect.width(), option.fontMetrics.height() + 2 * kVerticalMargin};
    }

    void paint(QPainter *painter,
               const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        // Titles lead nowhere; the drop hint, which leads nowhere either, is a line of text.
        const bool isTitle =
            index.data(kUrlRole).toString().isEmpty() && !index.data(kHintRole).toBool();
        const bool isCurrent = option.state & QStyle::State_Selected;
        QColor text = isTitle ? m_colors.header : m_colors.text;
        if (isCurrent) {
            painter->fillRect(option.rect, m_colors.selectionBackground);
            text = m_colors.selectionForeground;
        }
        const QRect line =
            option.rect.adjusted(kHorizontalMargin, kVerticalMargin, -kHorizontalMargin, 0);
        painter->setPen(text);
        painter->setFont(option.font);
        painter->drawText(line,
                          Qt::AlignLeft | Qt::AlignVCenter,
                          option.fontMetrics.elidedText(index.data(Qt::DisplayRole).toString(),
                                                        Qt::ElideRight,
                                                        line.width()));
    }

private:
    Palette m_colors;
};

SidebarView::SidebarView(BivaneState &state, PaneModel &pane, QWidget *parent)
    : QListView(parent)
    , m_state(state)
    , m_pane(pane)
    , m_zone(sidebarZoneOf(state.sideOfPane(pane)))
    , m_model(new QStandardItemModel(this))
    , m_desktopDelegate(new DesktopSidebarDelegate(this))
    , m_retroDelegate(new RetroSidebarDelegate(this))
{
    setModel(m_model);
    setItemDelegate(m_desktopDelegate);
    setFrameShape(QFrame::NoFrame);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);
    setIconSize(QSize(16, 16));
    setAcceptDrops(true);
    setDropIndicatorShown(false);
    setFocusPolicy(Qt::StrongFocus);

    connect(this, &QAbstractItemView::clicked, this, &SidebarView::choose);
    connect(&state.favorites(), &Favorites::changed, this, &SidebarView::rebuild);
    connect(&pane, &PaneModel::urlChanged, this, &SidebarView::showCurrentFolder);
    rebuild();
}

void SidebarView::rebuild()
{
    m_model->clear();
    for (const SidebarSection &section : m_state.favorites().sections()) {
        addSection(section);
        if (section.isFavorites && section.entries.isEmpty()) {
            const QFont caption = scaledFont(font(), 0.85);
            QStandardItem *hint = makeCaption(Bv::tr("Ordner hierher ziehen"), caption);
            hint->setData(true, kHintRole);
            m_model->appendRow(hint);
        }
    }
    showCurrentFolder();
}

void SidebarView::addSection(const SidebarSection &section)
{
    QFont bold = font();
    bold.setBold(true);
    m_model->appendRow(makeCaption(section.title, bold));
    for (const SidebarItem &entry : section.entries) {
        auto *item = new QStandardItem(symbolIcon(entry.symbolName), entry.name);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setToolTip(entry.url);
        item->setData(entry.url, kUrlRole);
        item->setData(section.isFavorites, kFavoriteRole);
        m_model->appendRow(item);
    }
}

// The first entry leading to the pane's folder is selected; in no entry, none is.
void SidebarView::showCurrentFolder()
{
    const QString current = PathNames::standardized(m_pane.url());
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const QString url = m_model->item(row)->data(kUrlRole).toString();
        if (!url.isEmpty() && PathNames::standardized(url) == current) {
            setCurrentIndex(m_model->index(row, 0));
            return;
        }
    }
    clearSelection();
    setCurrentIndex({});
}

void SidebarView::choose(const QModelIndex &index)
{
    const QString url = index.data(kUrlRole).toString();
    if (!url.isEmpty())
        m_pane.navigate(url);
    // The click selected the row; when the folder could not be shown, the old one stays.
    showCurrentFolder();
}

// Volumes come and go while the sidebar is hidden.
void SidebarView::showEvent(QShowEvent *event)
{
    QListView::showEvent(event);
    m_state.favorites().refreshVolumes();
    ThemedRoot::follow(*this, m_themedRoot, [this] { followTheme(); });
}

void SidebarView::followTheme()
{
    const bool retro = m_themedRoot && m_themedRoot->theme().isRetro();
    if (retro) {
        const Palette colors = m_themedRoot->palette();
        m_retroDelegate->setColors(colors);
        QPalette background = palette();
        background.setColor(QPalette::Base, colors.background);
        setPalette(background);
    } else {
        setPalette(QPalette());
    }
    setItemDelegate(retro ? static_cast<QAbstractItemDelegate *>(m_retroDelegate)
                          : m_desktopDelegate);
    // The captions take the theme's font; the rows change height with it and the delegate.
    rebuild();
    scheduleDelayedItemsLayout();
    viewport()->update();
}

void SidebarView::focusInEvent(QFocusEvent *event)
{
    QListView::focusInEvent(event);
    if (m_state.focusZone() != m_zone)
        m_state.focus(m_zone);
}

void SidebarView::contextMenuEvent(QContextMenuEvent *event)
{
    const QModelIndex index = indexAt(event->pos());
    if (!index.data(kFavoriteRole).toBool())
        return;
    const QString folder = index.data(kUrlRole).toString();
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(
        Bv::tr("Umbenennen …"), this, [this, folder] { m_state.favorites().rename(folder); });
    menu->addAction(
        Bv::tr("Nach oben"), this, [this, folder] { m_state.favorites().move(folder, -1); });
    menu->addAction(
        Bv::tr("Nach unten"), this, [this, folder] { m_state.favorites().move(folder, +1); });
    menu->addSeparator();
    menu->addAction(Bv::tr("Aus Favoriten entfernen"), this, [this, folder] {
        m_state.favorites().remove(folder);
    });
    menu->popup(event->globalPos());
}

void SidebarView::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

// Anywhere on the sidebar: the controller picks the folders among the dropped items.
void SidebarView::dragMoveEvent(QDragMoveEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void SidebarView::dropEvent(QDropEvent *event)
{
    if (const std::optional<QStringList> paths =
            m_state.transfers().localFilePaths(event->mimeData()->urls())) {
        m_state.favorites().add(*paths);
        event->acceptProposedAction();
    }
}
