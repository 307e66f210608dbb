#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// Removes a folder and everything below it, whatever the names and however deep.
void removeTree(const QByteArray &path);

// The bytes of the file at `path` (exact bytes); empty when it cannot be read.
QByteArray fileBytes(const QByteArray &path);
// The bytes of the file at a decoded path; "<missing>" when it cannot be read.
QByteArray contentOf(const QString &path);
// Whether anything stands at the path, a dangling link too (exact bytes, or decoded).
bool exists(const QByteArray &path);
bool exists(const QString &path);

// A temporary folder with helpers to make files, folders, links and entries with odd names.
// Kept on disk when the test that made it failed, so the state can be looked at.
class TestTree
{
public:
    TestTree();
    ~TestTree();

    QString root() const { return m_dir.path(); }
    QString path(const QString &relative) const { return root() + QLatin1Char('/') + relative; }

    QString makeFolder(const QString &relative) const;
    QString makeFile(const QString &relative, const QByteArray &content = {}) const;
    QString makeLink(const QString &relative, const QString &target) const;
    // A file whose relative path is given as raw bytes (names that are not valid UTF-8);
    // returns the decoded absolute path.
    QString makeRawFile(const QByteArray &relative) const;
    // Lets users other than the owner walk and read the tree (for tests that drop privileges).
    void openToEveryone() const;

private:
    QTemporaryDir m_dir;
};
