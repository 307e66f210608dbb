#pragma once

#include "platform/filesystemexecutor.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <type_traits>

class PaneModel;

// The commands a pane started on the file system executor (a new folder, a rename, the trash,
// a copy beside the original). While one runs, the pane names it in its status line. Dropping
// the pane's commands (Escape) forgets their results: the work may still end on a file system
// that hangs, and the pane's watcher shows what it did then, but nothing is selected, renamed
// or reported for it. Main thread only.
class PaneCommands
{
public:
    // Results are delivered while `receiver` exists.
    explicit PaneCommands(QObject &receiver);

    // Runs `work` on the queue of the file system holding `path` while `pane` shows `activity`,
    // then `done(result)` on the main thread unless the pane's commands were dropped meanwhile.
    template<typename Work, typename Done>
    void run(PaneModel &pane, const QString &activity, const QString &path, Work work, Done done)
    {
        using Result = std::invoke_result_t<Work &>;
        const quint64 id = begin(pane, activity);
        FileSystemExecutor::instance().run(
            path,
            &m_receiver,
            std::move(work),
            [this, id, done = std::move(done)](Result result) mutable {
                if (end(id))
                    done(std::move(result));
            });
    }

    // Calls `then` once `pane` has read its folder again, unless its commands are dropped
    // before; for what a command does with the items it made.
    void whenRead(PaneModel &pane, std::function<void()> then);

    // Forgets the pane's pending commands; false when it had none.
    bool drop(PaneModel &pane);
    bool isPending(const PaneModel &pane) const;

private:
    struct Pending
    {
        quint64 id = 0;
        PaneModel *pane = nullptr;
        QString activity;
    };

    quint64 begin(PaneModel &pane, const QString &activity);
    // Whether the command was still pending; it is not any longer.
    bool end(quint64 id);
    // The pane names the newest of its commands that still run, or nothing.
    void showActivity(PaneModel &pane);

    QObject &m_receiver;
    QList<Pending> m_pending;
    // Grows at every drop, so that what waits for a read knows it was dropped meanwhile.
    QHash<const PaneModel *, quint64> m_drops;
    // The activity last named in each pane.
    QHash<const PaneModel *, QString> m_shown;
    quint64 m_nextId = 1;
};
