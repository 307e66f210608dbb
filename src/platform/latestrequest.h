#pragma once

#include "platform/filesystemexecutor.h"

#include <atomic>
#include <memory>

// One request at a time for one purpose (a pane's listing, a column's): starting another
// supersedes the one before, which is skipped when it has not started yet and whose result is
// dropped when it comes. Lives in the receiver, on the main thread.
class LatestRequest
{
public:
    LatestRequest() = default;
    LatestRequest(const LatestRequest &) = delete;
    LatestRequest &operator=(const LatestRequest &) = delete;
    ~LatestRequest() { drop(); }

    // Runs `work` for `path` on the file system executor, then `done` with its result on the
    // main thread, unless another request was started or this one dropped meanwhile. Work that
    // was superseded before it started is skipped and yields a default result, never delivered.
    template<typename Work, typename Done>
    void start(const QString &path, QObject *receiver, Work work, Done done)
    {
        using Result = std::invoke_result_t<Work &>;
        drop();
        auto ticket = std::make_shared<std::atomic_bool>(false);
        m_ticket = ticket;
        FileSystemExecutor::instance().run(
            path,
            receiver,
            [ticket, work = std::move(work)]() mutable {
                return ticket->load() ? Result{} : work();
            },
            [this, ticket, done = std::move(done)](Result result) mutable {
                if (ticket->load())
                    return;
                m_ticket.reset();
                done(std::move(result));
            });
    }

    // Forgets the pending request: its result, if it ever comes, is not delivered.
    void drop()
    {
        if (m_ticket)
            m_ticket->store(true);
        m_ticket.reset();
    }

    bool isPending() const { return m_ticket != nullptr; }

private:
    std::shared_ptr<std::atomic_bool> m_ticket;
};
