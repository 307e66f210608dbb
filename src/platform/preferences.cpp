#include "platform/preferences.h"

#include "platform/filereplace.h"
#include "platform/jsonsettingsformat.h"
#include "platform/pathcodec.h"
#include "platform/uniquefd.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QStandardPaths>
#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <variant>

namespace {

QString &sharedDirectory()
{
    static QString directory;
    return directory;
}

// The user's config folder for Bivane, from the environment's bytes.
QString defaultDirectory()
{
    const QByteArray fromEnvironment = qgetenv("BIVANE_CONFIG_DIR");
    if (!fromEnvironment.isEmpty())
        return PathCodec::decode(fromEnvironment);
    QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
    if (!configHome.startsWith('/')) {
        const QByteArray home = qgetenv("HOME");
        if (!home.startsWith('/'))
            return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        configHome = home + "/.config";
    }
    return PathCodec::decode(configHome) + QLatin1Char('/') + QCoreApplication::applicationName();
}

bool isStringList(const QVariant &value)
{
    if (value.typeId() == QMetaType::QStringList)
        return true;
    if (value.typeId() != QMetaType::QVariantList)
        return false;
    const QVariantList list = value.toList();
    return std::all_of(list.cbegin(), list.cend(), [](const QVariant &element) {
        return element.typeId() == QMetaType::QString;
    });
}

bool isStringMap(const QVariant &value)
{
    if (value.typeId() != QMetaType::QVariantMap)
        return false;
    const QVariantMap map = value.toMap();
    return std::all_of(map.cbegin(), map.cend(), [](const QVariant &element) {
        return element.typeId() == QMetaType::QString;
    });
}

NumberRange rangeOf(const PreferenceKey &key)
{
    return key.range.value_or(
        NumberRange{std::numeric_limits<double>::lowest(), std::numeric_limits<double>::max()});
}

// The value in the form readers of the key expect, or nothing when it is not of its type.
std::optional<QVariant> asType(const QVariant &value, const PreferenceKey &key)
{
    switch (key.type) {
    case PreferenceType::boolean:
        if (value.typeId() == QMetaType::Bool)
            return value;
        break;
    case PreferenceType::number:
        if (const std::optional<double> number = rangeOf(key).bounded(value))
            return QVariant(*number);
        break;
    case PreferenceType::string:
        if (value.typeId() == QMetaType::QString)
            return value;
        break;
    case PreferenceType::stringList:
        if (isStringList(value))
            return QVariant(value.toStringList());
        break;
    case PreferenceType::stringMap:
        if (isStringMap(value))
            return value;
        break;
    case PreferenceType::numberMap:
        if (value.typeId() == QMetaType::QVariantMap) {
            QVariantMap numbers;
            const QVariantMap map = value.toMap();
            for (auto it = map.cbegin(); it != map.cend(); ++it) {
                if (const auto number = rangeOf(key).bounded(it.value(), true))
                    numbers.insert(it.key(), *number);
            }
            return numbers;
        }
        break;
    case PreferenceType::data:
        if (value.typeId() == QMetaType::QByteArray)
            return value;
        break;
    }
    return std::nullopt;
}

// Writes `content` to a new file beside `path` named after it and the time,
// "bivane.json.broken-20261207-153000" (with "-2", "-3" … when that exists already). Returns
// its path, or the error that kept it from being written.
std::variant<QString, FileError> keepBeside(const QString &path, const QByteArray &content)
{
    const QString base = path + QStringLiteral(".broken-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int n = 1;; ++n) {
        const QString candidate = n == 1 ? base : base + QStringLiteral("-%1").arg(n);
        const UniqueFd fd(::open(PathCodec::encode(candidate).constData(),
                                 O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                                 0600));
        if (!fd.isValid() && errno == EEXIST && n < 1000)
            continue;
        if (!fd.isValid())
            return FileError(errno, candidate);
        if (::write(fd.get(), content.constData(), size_t(content.size())) != content.size() ||
            ::fsync(fd.get()) != 0) {
            const FileError error(errno == 0 ? EIO : errno, candidate);
            ::unlink(PathCodec::encode(candidate).constData());
            return error;
        }
        return candidate;
    }
}

} // namespace

Preferences::Preferences(const QString &directory, QObject *parent)
    : QObject(parent)
    , m_filePath(directory + QStringLiteral("/bivane.json"))
{
    QByteArray content;
    if (!readWholeFile(m_filePath, content))
        m_values = parseJsonSettings(content).value_or(QVariantMap());
}

Preferences &Preferences::shared()
{
    static Preferences preferences(sharedDirectory().isEmpty() ? defaultDirectory()
                                                               : sharedDirectory());
    return preferences;
}

void Preferences::setSharedDirectory(const QString &directory)
{
    sharedDirectory() = directory;
}

std::optional<QVariant> Preferences::stored(const PreferenceKey &key) const
{
    const QVariant raw = m_values.value(key.name);
    if (!raw.isValid())
        return std::nullopt;
    return asType(raw, key);
}

QVariant Preferences::value(const PreferenceKey &key) const
{
    return stored(key).value_or(key.defaultValue);
}

void Preferences::setValue(const PreferenceKey &key, const QVariant &value)
{
    if (const std::optional<QVariant> typed = asType(value, key))
        change(key.name, typed);
}

void Preferences::remove(const PreferenceKey &key)
{
    change(key.name, std::nullopt);
}

void Preferences::change(const QString &key, const std::optional<QVariant> &value)
{
    if (value)
        m_values.insert(key, *value);
    else
        m_values.remove(key);
    m_unwritten.insert(key, value);
    write();
    emit changed(key);
}

std::optional<QVariantMap> Preferences::readForWriting(std::optional<FileError> &error)
{
    // Read anew each time: another instance may have written, or the file was edited by hand.
    QByteArray content;
    if (const std::optional<FileError> readError = readWholeFile(m_filePath, content)) {
        if (readError->code == ENOENT)
            return QVariantMap();
        error = readError; // what cannot be read is not written over
        return std::nullopt;
    }
    if (content.trimmed().isEmpty())
        return QVariantMap();
    if (const std::optional<QVariantMap> values = parseJsonSettings(content))
        return values;
    const auto kept = keepBeside(m_filePath, content);
    if (const FileError *keepError = std::get_if<FileError>(&kept)) {
        error = *keepError;
        return std::nullopt;
    }
    m_keptUnreadableFile = std::get<QString>(kept);
    emit unreadableFileKept(m_keptUnreadableFile);
    return QVariantMap();
}

void Preferences::write()
{
    std::optional<FileError> error;
    if (std::optional<QVariantMap> values = readForWriting(error)) {
        for (auto it = m_unwritten.cbegin(); it != m_unwritten.cend(); ++it) {
            if (it.value())
                values->insert(it.key(), *it.value());
            else
                values->remove(it.key());
        }
        m_values = *values;
        error = replaceFileContent(m_filePath, formatJsonSettings(*values));
    }
    if (!error) {
        m_unwritten.clear();
        m_lastWriteError.reset();
        return;
    }
    if (error == m_lastWriteError)
        return;
    m_lastWriteError = error;
    emit writeFailed(*error);
}
