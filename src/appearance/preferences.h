#pragma once

#include "preferencekeys.h"

#include <QObject>
#include <QSettings>
#include <memory>
#include <optional>

// The user's preference store: one JSON file that every part reads and writes through this
// class. A value of the wrong type reads as absent; a file that cannot be read or parsed reads
// as all defaults and stays untouched until something is written, and before that first write
// it is kept beside the new one. Every write goes to disk at once and atomically (a temporary
// file in the same folder, then a rename); a symbolic link at the file's place is written
// through, not replaced.
class Preferences : public QObject
{
    Q_OBJECT

public:
    // Reads and writes `directory`/bivane.json.
    explicit Preferences(const QString &directory, QObject *parent = nullptr);

    // The application's store, in the folder given by setSharedDirectory(), else in the
    // BIVANE_CONFIG_DIR environment variable, else in the user's config folder for Bivane.
    static Preferences &shared();
    // Points shared() elsewhere; only before its first use (command-line option, tests).
    static void setSharedDirectory(const QString &directory);

    // The stored value when it has the key's type (converted to the type's usual Qt form),
    // else nothing.
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

    // Writes `value`, which must have the key's type; a value of another type is ignored.
    void setValue(const PreferenceKey &key, const QVariant &value);
    void remove(const PreferenceKey &key);

    QString filePath() const { return m_settings->fileName(); }
    // Where an unreadable preference file was kept before it was written anew; empty while
    // none was.
    QString keptUnreadableFile() const { return m_keptUnreadableFile; }

signals:
    void changed(const QString &key);
    // An unreadable preference file has been kept at `path` before the first write.
    void unreadableFileKept(const QString &path);

private:
    // Called before every write: the settings read as defaults and the file does not parse,
    // so the write would throw its content away.
    void keepUnreadableFile();

    std::unique_ptr<QSettings> m_settings;
    QString m_keptUnreadableFile;
};
