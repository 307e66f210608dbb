#include "controller/toollauncher.h"

#include "controller/bivanestate.h"
#include "controller/selectionorder.h"
#include "model/fileitem.h"
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
    for (const QString &path : sortedByPath(selection)) {
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

std::optional<QString> ToolLauncher::assignedApplication(ExternalTool tool) const
{
    const QString path = m_state.preferences().stringValue(Pref::externalTool(rawValue(tool)));
    // A program removed after it was chosen counts as none: the fallback runs.
    if (path.isEmpty() || !fileExists(path))
        return std::nullopt;
    return path;
}

void ToolLauncher::openWith(const QStringList &paths, const QString &application)
{
    if (m_desktop.openWith(paths, application))
        return;
    m_state.setErrorMessage(
        Bv::tr("„%1“ konnte nicht gestartet werden.")
            .arg(PathCodec::displayText(PathNames::lastComponent(application))));
}

QList<DesktopApplication> ToolLauncher::applicationsForAll(const QStringList &paths) const
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

bool ToolLauncher::view(const QSet<QString> &selection)
{
    const QStringList files = filesOf(selection);
    const std::optional<QString> viewer = assignedApplication(ExternalTool::viewer);
    if (!viewer || files.isEmpty())
        return false;
    openWith(files, *viewer);
    return true;
}

void ToolLauncher::edit(const QSet<QString> &selection)
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
