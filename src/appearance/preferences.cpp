#include "preferences.h"

#include "jsonsettingsformat.h"
#include "pathcodec.h"
#include "uniquefd.h"

#include <QDateTime>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <fcntl.h>

namespace {

QString &sharedDirectory()
{
    static QString directory;
    return directory;
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

// The value in the form readers of `type` expect, or nothing when it is not of that type.
std::optional<QVariant> asType(const QVariant &value, PreferenceType type)
{
    switch (type) {
    case PreferenceType::boolean:
        if (value.typeId() == QMetaType::Bool)
            return value;
        break;
    case PreferenceType::number:
        if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Int ||
            value.typeId() == QMetaType::LongLong)
            return QVariant(value.toDouble());
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
    case PreferenceType::data:
        if (value.typeId() == QMetaType::QByteArray)
            return value;
        break;
    }
    return std::nullopt;
}

// Writes `content` to a new file beside `path` named after it and the time,
// "bivane.json.broken-20261207-153000" (with "-2", "-3" … when that exists already); returns its
// path, empty when none could be written.
QString keepBeside(const QString &path, const QByteArray &content)
{
    const QString base = path + QStringLiteral(".broken-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int n = 1; n < 1000; ++n) {
        const QString candidate = n == 1 ? base : base + QStringLiteral("-%1").arg(n);
        const UniqueFd fd(::open(PathCodec::encode(candidate).constData(),
                                 O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                                 0600));
        if (!fd.isValid() && errno == EEXIST)
            continue;
        if (!fd.isValid() ||
            ::write(fd.get(), content.constData(), size_t(content.size())) != content.size() ||
            ::fsync(fd.get()) != 0)
            return {};
        return candidate;
    }
    return {};
}

} // namespace

Preferences::Preferences(const QString &directory, QObject *parent)
    : QObject(parent)
    , m_settings(std::make_unique<QSettings>(directory + QStringLiteral("/bivane.json"),
                                             jsonSettingsFormat()))
{}

Preferences &Preferences::shared()
{
    static Preferences preferences([] {
        if (!sharedDirectory().isEmpty())
            return sharedDirectory();
        const QString fromEnvironment = qEnvironmentVariable("BIVANE_CONFIG_DIR");
        if (!fromEnvironment.isEmpty())
            return fromEnvironment;
        return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    }());
    return preferences;
}

void Preferences::setSharedDirectory(const QString &directory)
{
    sharedDirectory() = directory;
}

std::optional<QVariant> Preferences::stored(const PreferenceKey &key) const
{
    const QVariant raw = m_settings->value(key.name);
    if (!raw.isValid())
        return std::nullopt;
    return asType(raw, key.type);
}

QVariant Preferences::value(const PreferenceKey &key) const
{
    return stored(key).value_or(key.defaultValue);
}

void Preferences::keepUnreadableFile()
{
    // Read anew each time: the file may have been edited by hand since the start.
    QFile file(filePath());
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray content = file.readAll();
    if (content.trimmed().isEmpty() || isJsonSettings(content))
        return;
    const QString kept = keepBeside(filePath(), content);
    if (kept.isEmpty())
        return;
    m_keptUnreadableFile = kept;
    emit unreadableFileKept(kept);
}

void Preferences::setValue(const PreferenceKey &key, const QVariant &value)
{
    if (!asType(value, key.type))
        return;
    keepUnreadableFile();
    m_settings->setValue(key.name, value);
    m_settings->sync();
    emit changed(key.name);
}

void Preferences::remove(const PreferenceKey &key)
{
    keepUnreadableFile();
    m_settings->remove(key.name);
    m_settings->sync();
    emit changed(key.name);
}
