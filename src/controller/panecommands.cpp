#include "controller/panecommands.h"

#include "model/panemodel.h"

PaneCommands::PaneCommands(QObject &receiver)
    : m_receiver(receiver)
{}

quint64 PaneCommands::begin(PaneModel &pane, const QString &activity)
{
    const quint64 id = m_nextId++;
    m_pending.append({id, &pane, activity});
    showActivity(pane);
    return id;
}

bool PaneCommands::end(quint64 id)
{
    const auto found = std::find_if(m_pending.cbegin(),
                                    m_pending.cend(),
                                    [id](const Pending &pending) { return pending.id == id; });
    if (found == m_pending.cend())
        return false;
    PaneModel &pane = *found->pane;
    m_pending.erase(found);
    showActivity(pane);
    return true;
}

void PaneCommands::whenRead(PaneModel &pane, std::function<void()> then)
{
    const quint64 drops = m_drops.value(&pane);
    pane.whenRead([this, &pane, drops, then = std::move(then)] {
        if (m_drops.value(&pane) == drops)
            then();
    });
}

bool PaneCommands::drop(PaneModel &pane)
{
    ++m_drops[&pane];
    const bool had = isPending(pane);
    m_pending.removeIf([&pane](const Pending &pending) { return pending.pane == &pane; });
    showActivity(pane);
    return had;
}

bool PaneCommands::isPending(const PaneModel &pane) const
{
    return std::any_of(m_pending.cbegin(), m_pending.cend(), [&pane](const Pending &pending) {
        return pending.pane == &pane;
    });
}

void PaneCommands::showActivity(PaneModel &pane)
{
    QString text;
    for (const Pending &pending : m_pending) {
        if (pending.pane == &pane)
            text = pending.activity;
    }
    // What another part named meanwhile (an archive being made) stays when these end.
    QString &shown = m_shown[&pane];
    if (!text.isEmpty() || pane.activityText() == shown)
        pane.setActivityText(text);
    shown = text;
}
