#include "controller/commandrules.h"

#include "model/panemodel.h"
#include "platform/pathnames.h"
#include "transfer/archivetools.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <algorithm>

CommandContext commandContext(const PaneModel &pane, const QSet<QString> &items)
{
    CommandContext context;
    context.items = int(items.size());
    context.archiveAmongItems = std::any_of(items.cbegin(), items.cend(), &ArchiveTools::isArchive);
    // An item no longer among the pane's items counts as no folder.
    const QList<FileItem> shown = pane.items();
    context.folderAmongItems =
        std::any_of(shown.cbegin(), shown.cend(), [&items](const FileItem &item) {
            return item.isDirectory && items.contains(item.url());
        });
    context.canGoBack = !pane.backStack().isEmpty();
    context.canGoForward = !pane.forwardStack().isEmpty();
    context.belowRoot = PathNames::standardized(pane.url()) != QLatin1String("/");
    // A program without a window system has no clipboard.
    const bool withClipboard = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    const QMimeData *clipboard = withClipboard ? QGuiApplication::clipboard()->mimeData() : nullptr;
    context.filesOnClipboard = clipboard && clipboard->hasUrls();
    return context;
}

bool canPerform(Command command, const CommandContext &context)
{
    switch (command) {
    case Command::open:
    case Command::view:
    case Command::edit:
    case Command::info:
    case Command::duplicate:
    case Command::pack:
    case Command::reveal:
    case Command::trash:
    case Command::copyFiles:
    case Command::copyPath:
    case Command::openWith:
        return context.items > 0;
    case Command::rename:
        return context.items == 1;
    case Command::unpack:
        return context.archiveAmongItems;
    case Command::addFavorites:
        return context.folderAmongItems;
    case Command::back:
        return context.canGoBack;
    case Command::forward:
        return context.canGoForward;
    case Command::goUp:
        return context.belowRoot;
    case Command::pasteFiles:
        return context.filesOnClipboard;
    default:
        return true;
    }
}
