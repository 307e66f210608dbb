#include "ui/panedroptarget.h"

#include "controller/filedrop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

PaneDropTarget::PaneDropTarget(QWidget &widget, BivaneState &state, PaneModel &pane)
    : QObject(&widget)
    , m_state(state)
    , m_pane(pane)
{
    widget.setAcceptDrops(true);
    widget.installEventFilter(this);
}

bool PaneDropTarget::eventFilter(QObject *, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto *drop = static_cast<QDropEvent *>(event);
    if (!drop->mimeData()->hasUrls())
        return false;
    const bool copy = drop->modifiers() & Qt::AltModifier;
    drop->setDropAction(copy ? Qt::CopyAction : Qt::MoveAction);
    drop->accept();
    if (type == QEvent::Drop)
        dropFiles(m_state, m_pane, drop->mimeData()->urls(), copy);
    return true;
}
