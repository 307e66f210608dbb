// External programs for viewing and editing, and the quick preview that follows the selection.
#include "controller/bivanestate.h"
#include "controller/quicklookcontroller.h"
#include "model/panemodel.h"
#include "platform/desktopservices.h"
#include "platform/localization.h"
#include "platform/pathcodec.h"
#include "platform/pathnames.h"
#include "platform/posixpath.h"
#include "platform/preferences.h"
#include "platform/statat.h"

#include <sys/stat.h>

namespace {

// Whether a file (or a link to one) exists at `path`.
bool fileExists(const QString &path)
{
    const PosixPath at(PathCodec::encode(path));
    struct stat st;
    return at.error() == 0 && statAt(at.dirFd(), at.relative(), &st, 0) == 0;
}

// The selection in path order without its folders; an item that cannot be read stays.
QStringList filesOf(const QSet<QString> &selection)
{
    QStringList files;
    for (const QString &path : BivaneState::sortedByPath(selection)) {
        const std::optional<FileItem> item = FileItem::read(path);
        if (!item || !item->isDirectory)
            files.append(path);
    }
    return files;
}

} // namespace

std::optional<QString> BivaneState::assignedApplication(ExternalTool tool) const
{
    const QString path = m_preferences.stringValue(Pref::externalTool(rawValue(tool)));
    // A program removed after it was chosen counts as none: the fallback runs.
    if (path.isEmpty() || !fileExists(path))
        return std::nullopt;
    return path;
}

void BivaneState::openWith(const QStringList &paths, const QString &application)
{
    if (m_desktop.openWith(paths, application))
        return;
    setErrorMessage(Bv::tr("„%1“ konnte nicht gestartet werden.")
                        .arg(PathCodec::displayText(PathNames::lastComponent(application))));
}

QList<DesktopApplication> BivaneState::applicationsForAll(const QStringList &paths) const
{
    if (paths.isEmpty())
        return {};
    QList<DesktopApplication> common = m_desktop.applicationsFor(paths.first());
    for (qsizetype index = 1; index < paths.size() && !common.isEmpty(); ++index) {
        const QList<DesktopApplication> offered = m_desktop.applicationsFor(paths.at(index));
        common.removeIf([&offered](const DesktopApplication &application) {
            return !offered.contains(application);
        });
    }
    return common;
}

void BivaneState::viewSelection(const QSet<QString> &selection, PaneModel &pane)
{
    const QStringList files = filesOf(selection);
    const std::optional<QString> viewer = assignedApplication(ExternalTool::viewer);
    if (viewer && !files.isEmpty()) {
        openWith(files, *viewer);
        return;
    }
    quickLook(selection, pane);
}

void BivaneState::editSelection(const QSet<QString> &selection)
{
    const QStringList files = filesOf(selection);
    if (files.isEmpty())
        return;
    QString editor = assignedApplication(ExternalTool::editor).value_or(QString());
    if (editor.isEmpty())
        editor = m_desktop.defaultTextEditor();
    if (editor.isEmpty())
        m_desktop.open(files);
    else
        openWith(files, editor);
}

std::optional<BivaneState::PreviewList> BivaneState::previewItems(const QSet<QString> &selection,
                                                                  const PaneModel &pane) const
{
    const QStringList urls = sortedByPath(selection);
    if (urls.isEmpty())
        return std::nullopt;
    PreviewList list{urls, urls.first()};
    if (urls.size() != 1)
        return list;
    // One item among the displayed ones: the preview pages through the whole folder.
    QStringList displayed;
    bool isDisplayed = false;
    for (const FileItem &item : pane.visibleItems()) {
        displayed.append(item.url);
        isDisplayed = isDisplayed || item.url == list.first;
    }
    if (isDisplayed)
        list.items = displayed;
    return list;
}

void BivaneState::quickLook(const QSet<QString> &selection, PaneModel &pane)
{
    const std::optional<PreviewList> list = previewItems(selection, pane);
    if (!list)
        return;
    m_quickLook->setArrowHandler([state = QPointer<BivaneState>(this)](int step) {
        if (state)
            state->previewArrow(step);
    });
    m_quickLook->toggle(list->items, list->first);
}

void BivaneState::refreshPreview(PaneModel &pane)
{
    if (!m_quickLook->isVisible() || &pane != &activePane())
        return;
    if (const std::optional<PreviewList> list = previewItems(pane.selection(), pane))
        m_quickLook->replace(list->items, list->first);
}

void BivaneState::previewArrow(int step)
{
    PaneModel &pane = activePane();
    if (!m_isRetro && pane.viewMode() == ViewMode::columns)
        columnsMove(pane, step);
    else
        moveSelection(pane, step);
}
