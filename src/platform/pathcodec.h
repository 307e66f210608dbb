#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <optional>

// Linux file names are byte strings. Bivane keeps them in QString without losing a byte:
// valid UTF-8 decodes as usual, and every byte that is not part of valid UTF-8 becomes the
// lone surrogate U+DC80 + byte, which encodes back to that very byte.
namespace PathCodec {

QString decode(const char *bytes, qsizetype length);
inline QString decode(const QByteArray &bytes)
{
    return decode(bytes.constData(), bytes.size());
}

// The exact bytes behind a decoded name or path.
QByteArray encode(const QString &text);

// Text for the screen: escaped bytes appear as replacement marks.
QString displayText(const QString &text);

// The file URL of a decoded absolute path, percent-encoded from its exact bytes.
QUrl fileUrl(const QString &path);
// The decoded path of a local file URL (no host, or "localhost"), byte for byte; nothing for
// other URLs, file URLs of other machines included.
std::optional<QString> pathOfFileUrl(const QUrl &url);

} // namespace PathCodec
