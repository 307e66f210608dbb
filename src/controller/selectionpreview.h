#pragma once

#include <QObject>
#include <QSet>
#include <QStringList>
#include <optional>

class BivaneState;
class PaneModel;
class QuickLookController;

// What the preview pages through and the item it shows first.
struct PreviewList
{
    QStringList items;
    QString first;

    bool operator==(const PreviewList &) const = default;
};

// The preview of a selection: several selected items page through themselves, a single one
// displayed in the pane through the whole folder. Nothing for an empty selection.
std::optional<PreviewList> previewList(const QSet<QString> &selection, const PaneModel &pane);

// The quick preview of the selection: opens and closes it, lets it follow the active pane's
// selection whichever view changed it, and moves that selection with the preview's arrow keys.
class SelectionPreview : public QObject
{
    Q_OBJECT

public:
    SelectionPreview(BivaneState &state, QuickLookController &preview);

    // Opens the preview on the selection, or closes the open preview.
    void toggle(const QSet<QString> &selection, PaneModel &pane);

private:
    // The open preview follows the active pane's selection.
    void follow(PaneModel &pane);
    // The preview's arrow keys move the active pane's selection.
    void moveBy(int step);

    BivaneState &m_state;
    QuickLookController &m_preview;
};
