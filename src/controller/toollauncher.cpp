#include "controller/toollauncher.h"

#include "controller/bivanestate.h"
#include "controller/selectionorder.h"
#include "model/fileitem.h"
#include "platform/desktopservices.h"
#include "platform/filesystemexecutor.h"
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

// The paths without their folders; an item that cannot be read stays.
QStringList filesOf(const QStringList &paths)
{
    QStringList files;
    for (const QString &path : paths) {
        const std::optional<FileItem> item = FileItem::read(path);
        if (!item || !item->isDirectory)
            files.append(path);
    }
    return files;
}

} // namespace

ToolLauncher::ToolLauncher(BivaneState &state, DesktopServices &desktop)
    : m_state(state)
    , m_desktop(desktop)
{}

void ToolLauncher::whenAssigned(ExternalTool tool, Assigned then) const
{
    const QString path = m_state.preferences().stringValue(Pref::externalTool(rawValue(tool)));
    if (path.isEmpty()) {
        then(std::nullopt);
        return;
    }
    // A program removed after it was chosen counts as none: the fallback runs.
    FileSystemExecutor::instance().run(
        path,
        &m_state,
        [path] { return fileExists(path) ? std::optional<QString>(path) : std::nullopt; },
        std::move(then));
}

void ToolLauncher::openWith(const QStringList &paths, const QString &application)
{
    if (m_desktop.openWith(paths, application))
        return;
    m_state.setErrorMessage(
        Bv::tr("„%1“ konnte nicht gestartet werden.")
            .arg(PathCodec::displayText(PathNames::lastComponent(application))));
}

void ToolLauncher::whenApplicationsForAll(
    const QStringList &paths,
    QObject *receiver,
    std::function<void(const QList<DesktopApplication> &)> then) const
{
    if (paths.isEmpty()) {
        then({});
        return;
    }
    // Used on a worker: the desktop lives as long as the window, and its queries keep no state.
    const DesktopServices &desktop = m_desktop;
    FileSystemExecutor::instance().run(
        paths.first(),
        receiver,
        [paths, &desktop] {
            QList<DesktopApplication> common = desktop.applicationsFor(paths.first());
            for (qsizetype index = 1; index < paths.size() && !common.isEmpty(); ++index) {
                const QList<DesktopApplication> offered = desktop.applicationsFor(paths.at(index));
                common.removeIf([&offered](const DesktopApplication &application) {
                    return !offered.contains(application);
                });
            }
            return common;
        },
        std::move(then));
}

void ToolLauncher::view(const QSet<QString> &selection, std::function<void()> otherwise)
{
    whenAssigned(
        ExternalTool::viewer,
        [this, selection, otherwise = std::move(otherwise)](const std::optional<QString> &viewer) {
            if (!viewer) {
                otherwise();
                return;
            }
            whenFilesOf(selection, [this, viewer, otherwise](const QStringList &files) {
                if (files.isEmpty())
                    otherwise();
                else
                    openWith(files, *viewer);
            });
        });
}

void ToolLauncher::edit(const QSet<QString> &selection)
{
    whenFilesOf(selection, [this](const QStringList &files) {
        if (files.isEmpty())
            return;
        whenAssigned(ExternalTool::editor, [this, files](const std::optional<QString> &assigned) {
            // Asking the desktop for its editor reads its application lists: on a worker too.
            const DesktopServices &desktop = m_desktop;
            FileSystemExecutor::instance().run(
                files.first(),
                &m_state,
                [assigned, &desktop] { return assigned ? *assigned : desktop.defaultTextEditor(); },
                [this, files](const QString &editor) {
                    if (editor.isEmpty())
                        m_desktop.open(files);
                    else
                        openWith(files, editor);
                });
        });
    });
}

void ToolLauncher::whenFilesOf(const QSet<QString> &selection,
                               std::function<void(const QStringList &)> then) const
{
    const QStringList paths = sortedByPath(selection);
    if (paths.isEmpty()) {
        then({});
        return;
    }
    FileSystemExecutor::instance().run(
        paths.first(), &m_state, [paths] { return filesOf(paths); }, std::move(then));
}
