#pragma once

#include "platform/fileerror.h"
#include "platform/preferencekeys.h"

#include <QMap>
#include <QObject>
#include <QVariantMap>
#include <optional>

// The user's preference store: one JSON file that every part reads and writes through this
// class. A value of the wrong type reads as absent, a number outside its key's range as the
// nearer end of it. A file that cannot be read or parsed reads as all defaults and stays
// untouched until something is written, and before that first write it is kept beside the new
// one. Every write goes to disk at once and safely (see replaceFileContent), merged with what
// other instances wrote meanwhile; a symbolic link at the file's place is written through.
class Preferences : public QObject
{
    Q_OBJECT

public:
    // Reads and writes `directory`/bivane.json; `directory` is a decoded path (PathCodec).
    explicit Preferences(const QString &directory, QObject *parent = nullptr);

    // The application's store, in the folder given by setSharedDirectory(), else in the
    // BIVANE_CONFIG_DIR environment variable, else in the user's config folder for Bivane.
    static Preferences &shared();
    // Points shared() elsewhere; only before its first use (command-line option, tests).
    static void setSharedDirectory(const QString &directory);

    // The stored value when it has the key's type (converted to the type's usual Qt form, a
    // number brought into the key's range, a number map holding only its entries that are
    // numbers), else nothing.
    std::optional<QVariant> stored(const PreferenceKey &key) const;
    // The stored value, else the key's default.
    QVariant value(const PreferenceKey &key) const;

    bool boolValue(const PreferenceKey &key) const { return value(key).toBool(); }
    double numberValue(const PreferenceKey &key) const { return value(key).toDouble(); }
    QString stringValue(const PreferenceKey &key) const { return value(key).toString(); }
    QStringList stringListValue(const PreferenceKey &key) const
    {
        return value(key).toStringList();
    }
    QVariantMap mapValue(const PreferenceKey &key) const { return value(key).toMap(); }
    QByteArray dataValue(const PreferenceKey &key) const { return value(key).toByteArray(); }

    // Writes `value`, which must have the key's type (numbers are brought into its range); a
    // value of another type is ignored. A value that could not be written stays in force for
    // this run and goes with the next write.
    void setValue(const PreferenceKey &key, const QVariant &value);
    void remove(const PreferenceKey &key);

    QString filePath() const { return m_filePath; }
    // Where an unreadable preference file was kept before it was written anew; empty while
    // none was.
    QString keptUnreadableFile() const { return m_keptUnreadableFile; }

signals:
    void changed(const QString &key);
    // An unreadable preference file has been kept at `path` before the first write.
    void unreadableFileKept(const QString &path);
    // A write failed; the file is as it was. Told once for a run of failures of one cause.
    void writeFailed(const FileError &error);

private:
    void change(const QString &key, const std::optional<QVariant> &value);
    // The file's current values, kept beside when it does not parse.
    std::optional<QVariantMap> readForWriting(std::optional<FileError> &error);
    void write();

    QString m_filePath;
    QVariantMap m_values;
    // Changes of this run that are not on disk yet; nothing stands for a removal.
    QMap<QString, std::optional<QVariant>> m_unwritten;
    QString m_keptUnreadableFile;
    std::optional<FileError> m_lastWriteError;
};
