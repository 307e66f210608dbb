#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class BivaneState;
class DesktopServices;
struct FileError;
class PaneModel;
class ToolLauncher;
class ToolStopper;

// Packing the selection into a ZIP archive and unpacking archives into new folders. The tools
// run on a thread per archive; the end is heard on the main thread, and the end of this object
// stops them (the tasks are its children).
class ArchiveTasks : public QObject
{
    Q_OBJECT

public:
    ArchiveTasks(BivaneState &state, ToolLauncher &tools, DesktopServices &desktop);

    // Hands the selection to the assigned packer, else packs it itself.
    void pack(const QSet<QString> &selection, PaneModel &pane);
    // Packs the selected items of one folder into a new ZIP archive beside them.
    void packBuiltIn(const QSet<QString> &selection, PaneModel &pane);
    // Unpacks each selected archive into a new folder beside it (or hands them to the assigned
    // unpacker, or to the desktop for kinds it cannot unpack).
    void unpack(const QSet<QString> &selection, PaneModel &pane);

private:
    // Unpacks the archives itself, or hands the kinds it does not know to the desktop.
    void unpackBuiltIn(const QStringList &archives, PaneModel &pane);
    // A pack or unpack: runs until done or stopped, may leave a notice for the user.
    using Work = std::function<std::optional<FileError>(ToolStopper &, QString &notice)>;
    // Runs `work` on a thread of its own while `pane` names `activity` in its status line.
    // Back on the main thread, a failure is reported after `failureSentence`, else the notice
    // shown, and both panes reload.
    void run(PaneModel &pane, const QString &activity, Work work, const QString &failureSentence);

    BivaneState &m_state;
    ToolLauncher &m_tools;
    DesktopServices &m_desktop;
};
