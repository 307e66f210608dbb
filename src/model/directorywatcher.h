#pragma once

#include "uniquefd.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

class QSocketNotifier;

// Watches one folder for entries created, deleted, renamed or changed in their attributes, and
// for the folder itself being deleted or moved. After a burst of such events has been quiet for
// 0.25 s it calls the change handler once, on the main thread.
class DirectoryWatcher : public QObject
{
    Q_OBJECT

public:
    static constexpr int kSettleMilliseconds = 250;

    explicit DirectoryWatcher(QObject *parent = nullptr);
    ~DirectoryWatcher() override;

    // Stops any previous watch, then watches `folderUrl`. A folder that cannot be opened (gone,
    // no permission) leaves the watcher idle without complaint.
    void watch(const QString &folderUrl, std::function<void()> onChange);
    // Cancels a pending handler call and the subscription.
    void stop();

    bool isWatching() const { return m_inotify.isValid(); }
    bool hasPendingCall() const { return m_settle.isActive(); }

private:
    void drainEvents();

    UniqueFd m_inotify;
    std::unique_ptr<QSocketNotifier> m_notifier;
    QTimer m_settle;
    std::function<void()> m_onChange;
};
