#pragma once

#include "model/fileitem.h"

#include <QDialog>
#include <optional>

class FolderSizeWalk;
class PaneModel;
class QLabel;
struct FolderSize;

// The facts of one item as a sheet over its window: icon, name, kind, size, location and dates.
// Shown while the pane's `infoItem` is this item; "Fertig", Return and Escape clear it, and the
// window goes when it is cleared or replaced. A folder's size is walked off the main thread and
// shown while it grows; closing the window stops the walk.
class InfoWindow : public QDialog
{
    Q_OBJECT

public:
    InfoWindow(PaneModel &pane, const FileItem &item, QWidget *parent = nullptr);

    // Opens the sheet for the pane's `infoItem` over `parent` unless it is already open there;
    // it deletes itself once closed.
    static void follow(PaneModel &pane, QWidget *parent);

    const FileItem &item() const { return m_item; }
    // The running walk, or nothing when there is none (not a folder, or finished).
    FolderSizeWalk *sizeWalk() const { return m_walk; }

    void done(int result) override;

private:
    void showFolderSize(const std::optional<FolderSize> &size, bool final);
    void fitHeight();

    PaneModel &m_pane;
    const FileItem m_item;
    FolderSizeWalk *m_walk = nullptr;
    QLabel *m_size;
};
