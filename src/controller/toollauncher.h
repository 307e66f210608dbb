#pragma once

#include "appearance/externaltool.h"

#include <QList>
#include <QSet>
#include <QStringList>
#include <functional>
#include <optional>

class BivaneState;
class DesktopServices;
struct DesktopApplication;
class Preferences;
class QObject;

// The programs the user assigned for viewing, editing, packing and unpacking, and opening items
// with an application of the desktop. Whether a program and the items exist, and what they are,
// is asked on the file system executor's workers; the answers come on the main thread.
class ToolLauncher
{
public:
    ToolLauncher(BivaneState &state, DesktopServices &desktop);

    using Assigned = std::function<void(const std::optional<QString> &application)>;
    // Calls `then` with the program assigned to `tool` when one is and its file exists, else
    // with nothing.
    void whenAssigned(ExternalTool tool, Assigned then) const;
    // Opens the paths together with `application` (a .desktop file or an executable); a failure
    // is reported.
    void openWith(const QStringList &paths, const QString &application);
    // Calls `then` with the applications the desktop offers for every one of the paths, in its
    // order for the first path (one application must take all of them together), while
    // `receiver` exists.
    void whenApplicationsForAll(const QStringList &paths,
                                QObject *receiver,
                                std::function<void(const QList<DesktopApplication> &)> then) const;
    // The assigned viewer on the files of the selection; `otherwise` when there is none or the
    // selection holds no file (the quick preview stands in).
    void view(const QSet<QString> &selection, std::function<void()> otherwise);
    // The assigned editor on the files of the selection, else the default text editor.
    void edit(const QSet<QString> &selection);

private:
    // Calls `then` with the selection in path order without its folders.
    void whenFilesOf(const QSet<QString> &selection,
                     std::function<void(const QStringList &)> then) const;

    BivaneState &m_state;
    DesktopServices &m_desktop;
};
