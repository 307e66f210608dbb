#include "controller/keycontext.h"

#include "model/panemodel.h"
#include "shortcuts/keymapping.h"

#include <QKeyEvent>

KeyPress KeyPress::of(const QKeyEvent &event)
{
    return {virtualKeyCode(event), modifierBits(event.modifiers())};
}

ViewKind shownViewKind(const PaneModel &pane, bool retro)
{
    // The retro themes always show their list.
    if (retro)
        return ViewKind::retroList;
    switch (pane.viewMode()) {
    case ViewMode::icons:
        return ViewKind::icons;
    case ViewMode::columns:
        return ViewKind::columns;
    case ViewMode::list:
        break;
    }
    return ViewKind::list;
}
