#pragma once

#include "appearance/externaltool.h"

#include <QList>
#include <QSet>
#include <QStringList>
#include <optional>

class BivaneState;
class DesktopServices;
struct DesktopApplication;
class Preferences;

// The programs the user assigned for viewing, editing, packing and unpacking, and opening items
// with an application of the desktop.
class ToolLauncher
{
public:
    ToolLauncher(BivaneState &state, DesktopServices &desktop);

    // The program assigned to `tool` when one is and its file exists, else nothing.
    std::optional<QString> assignedApplication(ExternalTool tool) const;
    // Opens the paths together with `application` (a .desktop file or an executable); a failure
    // is reported.
    void openWith(const QStringList &paths, const QString &application);
    // The applications the desktop offers for every one of the paths, in its order for the
    // first path: one application must take all of them together.
    QList<DesktopApplication> applicationsForAll(const QStringList &paths) const;
    // The assigned viewer on the files of the selection; false when there is none or the
    // selection holds no file (then the quick preview stands in).
    bool view(const QSet<QString> &selection);
    // The assigned editor on the files of the selection, else the default text editor.
    void edit(const QSet<QString> &selection);

private:
    BivaneState &m_state;
    DesktopServices &m_desktop;
};
