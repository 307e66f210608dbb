#pragma once

#include <QProcess>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// A folder whose file system holds the calls a test names until the test lets them go: a FUSE
// mount of a backing folder where the machine can mount one, else the backing folder itself,
// with the holds put before the file system executor's work. Either way the test says what is
// blocked and when it is released, and waits on `isStalled`, never on time.
class SlowFileSystem
{
public:
    // Mirrors `backing`, an existing folder.
    explicit SlowFileSystem(const QString &backing);
    // Releases what waits and unmounts, also when the test failed half-way.
    ~SlowFileSystem();
    SlowFileSystem(const SlowFileSystem &) = delete;
    SlowFileSystem &operator=(const SlowFileSystem &) = delete;

    // The folder tests work in: the mount point, or the backing folder without a mount.
    QString root() const { return m_root; }
    bool isMounted() const { return m_mounted; }

    // Calls on paths that contain `word` wait from now on.
    void block(const QString &word);
    // Whether a call on a blocked path waits now.
    bool isStalled();
    // Waiting calls go on and nothing is blocked any more.
    void release();
    // Waiting calls, and later ones on blocked paths, fail.
    void fail();
    // The held calls nobody released: after ten seconds the mount lets them fail rather than
    // hang the test whose own thread made them.
    QStringList unreleased() const { return m_unreleased; }

private:
    struct Delay;

    bool mount(const QString &backing);
    void unmount();
    void command(const QByteArray &line);

    QTemporaryDir m_mountPoint;
    QProcess m_process;
    QString m_root;
    bool m_mounted = false;
    int m_stalls = 0;  // calls that started waiting since the last command
    int m_answers = 0; // commands the file system has taken in
    QStringList m_unreleased;
    std::shared_ptr<Delay> m_delay; // the holds without a mount
};
