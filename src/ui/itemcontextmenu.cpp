#include "ui/itemcontextmenu.h"

#include "controller/bivanestate.h"
#include "model/panemodel.h"
#include "platform/desktopservices.h"
#include "platform/localization.h"
#include "transfer/archivetools.h"
#include "ui/panetablemodel.h"
#include "ui/symbolicons.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <algorithm>

ItemContextMenu::ItemContextMenu(BivaneState &state,
                                 PaneModel &pane,
                                 const QSet<QString> &items,
                                 QWidget *parent)
    : QMenu(parent)
    , m_state(state)
    , m_pane(pane)
    , m_items(items)
{
    if (m_items.isEmpty())
        addFolderEntries();
    else
        addItemEntries();
}

QSet<QString> ItemContextMenu::itemsFor(const PaneModel &pane, const QString &clicked)
{
    if (clicked.isEmpty())
        return {};
    if (pane.selection().contains(clicked))
        return pane.selection();
    return {clicked};
}

void ItemContextMenu::attachTo(QAbstractItemView &view, BivaneState &state, PaneModel &pane)
{
    view.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(
        &view, &QWidget::customContextMenuRequested, &view, [&view, &state, &pane](QPoint at) {
            const QModelIndex index = view.indexAt(at);
            const auto *model = static_cast<const PaneTableModel *>(view.model());
            const QString clicked = index.isValid() ? model->itemAt(index.row()).url : QString();
            popUp(state, pane, clicked, view, view.viewport()->mapToGlobal(at));
        });
}

void ItemContextMenu::popUp(BivaneState &state,
                            PaneModel &pane,
                            const QString &clicked,
                            QWidget &owner,
                            const QPoint &globalPosition)
{
    auto *menu = new ItemContextMenu(state, pane, itemsFor(pane, clicked), &owner);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPosition);
}

void ItemContextMenu::addFolderEntries()
{
    addEntry(
        Bv::tr("Neuer Ordner"),
        [this] { m_state.newFolder(m_pane); },
        QStringLiteral("folder.badge.plus"));
    const QMimeData *clipboard = QGuiApplication::clipboard()->mimeData();
    addEntry(
        Bv::tr("Einsetzen"),
        [this] { m_state.pasteFiles(m_pane); },
        QStringLiteral("arrow.right.doc.on.clipboard"))
        ->setEnabled(clipboard && clipboard->hasUrls());
    addSeparator();
    const QString folder = m_pane.url();
    if (m_state.isFavorite(folder))
        addEntry(
            Bv::tr("Aktuellen Ordner aus Favoriten entfernen"),
            [this, folder] { m_state.removeFavorite(folder); },
            QStringLiteral("star"));
    else
        addEntry(
            Bv::tr("Aktuellen Ordner zu Favoriten"),
            [this, folder] { m_state.addFavorites({folder}); },
            QStringLiteral("star"));
}

void ItemContextMenu::addItemEntries()
{
    const QStringList sorted = BivaneState::sortedByPath(m_items);
    addEntry(Bv::tr("Öffnen"), [this] { m_state.openSelection(m_items, m_pane); });
    addOpenWithMenu();
    addEntry(Bv::tr("Schnellvorschau"), [this] { m_state.quickLook(m_items, m_pane); });
    addSeparator();
    addEntry(Bv::tr("Informationen"), [this] { m_state.showInfo(m_items, m_pane); });
    // Renaming works on one item only; the entry stays in its place for a steady layout.
    addEntry(Bv::tr("Umbenennen"), [this] {
        m_state.startRename(m_items, m_pane);
    })->setEnabled(m_items.size() == 1);
    addEntry(Bv::tr("Duplizieren"), [this] { m_state.duplicate(m_items); });
    addEntry(Bv::tr("Packen"), [this] { m_state.packSelection(m_items, m_pane); });
    if (holdsArchive())
        addEntry(Bv::tr("Entpacken"), [this] { m_state.unpackSelection(m_items, m_pane); });
    addSeparator();
    addEntry(
        Bv::tr("Kopieren"), [this] { m_state.copyFiles(m_items); }, QStringLiteral("doc.on.doc"));
    addEntry(Bv::tr("Ins andere Panel kopieren"), [this, sorted] {
        m_state.confirmTransfer(sorted, otherPane().url(), TransferKind::copy);
    });
    addEntry(Bv::tr("Ins andere Panel verschieben"), [this, sorted] {
        m_state.confirmTransfer(sorted, otherPane().url(), TransferKind::move);
    });
    addSeparator();
    if (holdsFolder())
        addEntry(
            Bv::tr("Zu Favoriten hinzufügen"),
            [this, sorted] { m_state.addFavorites(sorted); },
            QStringLiteral("star"));
    addEntry(Bv::tr("Pfad kopieren"), [this] { m_state.copyPaths(m_items); });
    addEntry(Bv::tr("Im Dateimanager zeigen"), [this] { m_state.revealSelection(m_items); });
    addSeparator();
    addEntry(
        Bv::tr("In den Papierkorb legen"),
        [this] { m_state.trashSelection(m_items, m_pane); },
        QStringLiteral("trash"));
}

void ItemContextMenu::addOpenWithMenu()
{
    const QStringList sorted = BivaneState::sortedByPath(m_items);
    QMenu *applications = addMenu(Bv::tr("Öffnen mit"));
    for (const DesktopApplication &application : m_state.applicationsForAll(sorted)) {
        const QString desktopFile = application.desktopFile;
        applications->addAction(application.name, this, [this, sorted, desktopFile] {
            m_state.openWith(sorted, desktopFile);
        });
    }
    applications->setEnabled(!applications->isEmpty());
}

QAction *
ItemContextMenu::addEntry(const QString &text, std::function<void()> run, const QString &symbol)
{
    QAction *action = addAction(text, this, std::move(run));
    if (!symbol.isEmpty())
        action->setIcon(symbolIcon(symbol));
    return action;
}

bool ItemContextMenu::holdsFolder() const
{
    // An item no longer among the pane's items counts as no folder.
    const QList<FileItem> items = m_pane.items();
    return std::any_of(items.cbegin(), items.cend(), [this](const FileItem &item) {
        return item.isDirectory && m_items.contains(item.url);
    });
}

bool ItemContextMenu::holdsArchive() const
{
    return std::any_of(m_items.cbegin(), m_items.cend(), &ArchiveTools::isArchive);
}

PaneModel &ItemContextMenu::otherPane() const
{
    return m_state.pane(oppositeSide(m_state.sideOfPane(m_pane)));
}
