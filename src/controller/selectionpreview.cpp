#include "controller/selectionpreview.h"

#include "controller/bivanestate.h"
#include "controller/columnnavigation.h"
#include "controller/quicklookcontroller.h"
#include "controller/selectionmovement.h"
#include "controller/selectionorder.h"
#include "model/panemodel.h"

std::optional<PreviewList> previewList(const QSet<QString> &selection, const PaneModel &pane)
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
        displayed.append(item.url());
        isDisplayed = isDisplayed || item.hasUrl(list.first);
    }
    if (isDisplayed)
        list.items = displayed;
    return list;
}

SelectionPreview::SelectionPreview(BivaneState &state, QuickLookController &preview)
    : m_state(state)
    , m_preview(preview)
{
    for (PaneModel *pane : {&state.left(), &state.right()})
        connect(pane, &PaneModel::selectionChanged, this, [this, pane] { follow(*pane); });
    connect(&m_preview, &QuickLookController::arrowPressed, this, &SelectionPreview::moveBy);
}

void SelectionPreview::toggle(const QSet<QString> &selection, PaneModel &pane)
{
    if (const std::optional<PreviewList> list = previewList(selection, pane))
        m_preview.toggle(list->items, list->first);
}

void SelectionPreview::follow(PaneModel &pane)
{
    if (!m_preview.isVisible() || &pane != &m_state.activePane())
        return;
    if (const std::optional<PreviewList> list = previewList(pane.selection(), pane))
        m_preview.replace(list->items, list->first);
}

void SelectionPreview::moveBy(int step)
{
    PaneModel &pane = m_state.activePane();
    if (m_state.shownViewMode(pane) == ViewMode::columns)
        m_state.columns().move(pane, step);
    else
        m_state.selectionMovement().move(pane, step);
}
