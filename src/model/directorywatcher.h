#pragma once

#include "platform/countdown.h"
#include "platform/latestrequest.h"
#include "platform/uniquefd.h"

#include <QObject>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>

class QSocketNotifier;

// Watches one folder for entries created, deleted, renamed or changed in their attributes, and
// for the folder itself being deleted or moved. After a burst of such events has been quiet for
// 0.25 s it calls the change handler once, on the main thread. A folder that is deleted or moved
// away is watched again as soon as a folder appears at its path (build tools and
// "rm -rf x && mkdir x" do that): meanwhile the nearest folder above it that exists is watched
// for it, and its appearance counts as a change. Watches are put in place on the file system
// executor: that walks the path, which can wait on a file system that does not answer.
class DirectoryWatcher : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kSettleTime{250};

    explicit DirectoryWatcher(QObject *parent = nullptr);
    ~DirectoryWatcher() override;

    // Stops any previous watch, then watches `folderUrl`. A folder that cannot be opened (no
    // permission) leaves the watcher idle without complaint; a missing one is waited for.
    void watch(const QString &folderUrl, std::function<void()> onChange);
    // Cancels a pending handler call and the subscription.
    void stop();

    // Whether the folder itself is watched (not idle, not being armed, not waiting for it to
    // appear).
    bool isWatching() const { return m_watch >= 0 && !m_waiting; }
    bool hasPendingCall() const { return m_settle.isActive(); }

private:
    // Watches the folder at the path, or while there is none the nearest folder above it, on a
    // worker. `first`: the watch starts, and a folder that cannot be watched leaves it idle.
    void arm(bool first);
    void drainEvents();

    QString m_folder;
    // Shared with the worker arming it, which may outlive a watch given up meanwhile.
    std::shared_ptr<UniqueFd> m_inotify;
    int m_watch = -1;
    bool m_waiting = false;
    std::unique_ptr<QSocketNotifier> m_notifier;
    Countdown m_settle{kSettleTime};
    std::function<void()> m_onChange;
    LatestRequest m_arming;
};
