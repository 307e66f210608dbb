#include "sidebarview.h"

#include "bivanestate.h"
#include "localization.h"
#include "panemodel.h"
#include "pathnames.h"
#include "sidebaritem.h"
#include "symbolicons.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QStandardItemModel>

namespace {

constexpr int kUrlRole = Qt::UserRole + 1;
constexpr int kFavoriteRole = Qt::UserRole + 2;

// Titles and the hint can be neither chosen nor selected.
QStandardItem *makeCaption(const QString &text, const QFont &font)
{
    auto *item = new QStandardItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    item->setFont(font);
    return item;
}

} // namespace

SidebarView::SidebarView(BivaneState &state, PaneModel &pane, QWidget *parent)
    : QListView(parent)
    , m_state(state)
    , m_pane(pane)
    , m_zone(sidebarZoneOf(state.sideOfPane(pane)))
    , m_model(new QStandardItemModel(this))
{
    setModel(m_model);
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
    connect(&state, &BivaneState::customFavoritesChanged, this, &SidebarView::rebuild);
    connect(&state, &BivaneState::customFavoriteNamesChanged, this, &SidebarView::rebuild);
    connect(&state, &BivaneState::volumesChanged, this, &SidebarView::rebuild);
    connect(&pane, &PaneModel::urlChanged, this, &SidebarView::showCurrentFolder);
    rebuild();
}

void SidebarView::rebuild()
{
    m_model->clear();
    addSection(Bv::tr("Favoriten"), m_state.defaultPlaces(), Entries::fixed);
    const QList<SidebarItem> favorites = m_state.favoriteItems();
    addSection(Bv::tr("Meine Favoriten"), favorites, Entries::favorites);
    if (favorites.isEmpty()) {
        QFont caption = font();
        caption.setPointSizeF(caption.pointSizeF() * 0.85);
        QStandardItem *hint = makeCaption(Bv::tr("Ordner hierher ziehen"), caption);
        hint->setForeground(palette().brush(QPalette::PlaceholderText));
        m_model->appendRow(hint);
    }
    if (const std::optional<SidebarItem> iCloud = m_state.iCloudItem())
        addSection(QStringLiteral("iCloud"), {*iCloud}, Entries::fixed);
    addSection(Bv::tr("Orte"), m_state.volumes(), Entries::fixed);
    showCurrentFolder();
}

void SidebarView::addSection(const QString &title, const QList<SidebarItem> &entries, Entries kind)
{
    QFont bold = font();
    bold.setBold(true);
    m_model->appendRow(makeCaption(title, bold));
    for (const SidebarItem &entry : entries) {
        auto *item = new QStandardItem(symbolIcon(entry.symbolName), entry.name);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setToolTip(entry.url);
        item->setData(entry.url, kUrlRole);
        item->setData(kind == Entries::favorites, kFavoriteRole);
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
    m_state.refreshVolumes();
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
        Bv::tr("Umbenennen …"), this, [this, folder] { m_state.renameFavorite(folder); });
    menu->addAction(
        Bv::tr("Nach oben"), this, [this, folder] { m_state.moveFavorite(folder, -1); });
    menu->addAction(
        Bv::tr("Nach unten"), this, [this, folder] { m_state.moveFavorite(folder, +1); });
    menu->addSeparator();
    menu->addAction(Bv::tr("Aus Favoriten entfernen"), this, [this, folder] {
        m_state.removeFavorite(folder);
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
            m_state.localFilePaths(event->mimeData()->urls())) {
        m_state.addFavorites(*paths);
        event->acceptProposedAction();
    }
}
