#include "platform/pathcodec.h"

namespace PathCodec {
namespace {

constexpr char16_t kEscapeBase = 0xDC00; // U+DC80..U+DCFF carry the bytes 0x80..0xFF

// A low surrogate in the escape range stands for a byte only when it is alone: preceded by a
// high surrogate it is the second half of a character beyond U+FFFF (U+10080, for example).
bool isEscapedByte(QStringView text, qsizetype i)
{
    const char16_t unit = text[i].unicode();
    return unit >= 0xDC80 && unit <= 0xDCFF && (i == 0 || !text[i - 1].isHighSurrogate());
}

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Length of the well-formed UTF-8 sequence at `s` (at most `available` bytes), or 0 when the
// bytes there are not one. Rejects overlong forms, surrogates and code points above U+10FFFF,
// exactly as the Unicode standard requires, so that every accepted sequence re-encodes to itself.
int sequenceLength(const unsigned char *s, qsizetype available, char32_t *codePoint)
{
    const unsigned char lead = s[0];
    int length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (available < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        if (!isContinuation(s[i]))
            return 0;
        value = (value << 6) | (s[i] & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    *codePoint = value;
    return length;
}

} // namespace

QString decode(const char *bytes, qsizetype length)
{
    const auto *s = reinterpret_cast<const unsigned char *>(bytes);
    qsizetype ascii = 0;
    while (ascii < length && s[ascii] < 0x80)
        ++ascii;
    if (ascii == length)
        return QString::fromLatin1(bytes, length);

    QString result;
    result.reserve(length);
    result.append(QLatin1StringView(bytes, ascii));
    for (qsizetype i = ascii; i < length;) {
        if (s[i] < 0x80) {
            result.append(QChar(char16_t(s[i])));
            ++i;
            continue;
        }
        char32_t codePoint = 0;
        const int sequence = sequenceLength(s + i, length - i, &codePoint);
        if (sequence == 0) {
            result.append(QChar(char16_t(kEscapeBase + s[i])));
            ++i;
            continue;
        }
        if (QChar::requiresSurrogates(codePoint)) {
            result.append(QChar(QChar::highSurrogate(codePoint)));
            result.append(QChar(QChar::lowSurrogate(codePoint)));
        } else {
            result.append(QChar(char16_t(codePoint)));
        }
        i += sequence;
    }
    return result;
}

QByteArray encode(const QString &text)
{
    QByteArray result;
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isEscapedByte(text, i))
            continue;
        result.append(QStringView(text).mid(runStart, i - runStart).toUtf8());
        result.append(char(text[i].unicode() - kEscapeBase));
        runStart = i + 1;
    }
    if (runStart == 0)
        return text.toUtf8();
    result.append(QStringView(text).mid(runStart).toUtf8());
    return result;
}

QString displayText(const QString &text)
{
    QString result = text;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isEscapedByte(text, i))
            result[i] = QChar::ReplacementCharacter;
    }
    return result;
}

QUrl fileUrl(const QString &path)
{
    // Everything but unreserved characters and the separator is escaped, so that the URL
    // carries the bytes themselves, whatever their encoding.
    return QUrl::fromEncoded("file://" + encode(path).toPercentEncoding("/"), QUrl::StrictMode);
}

std::optional<QString> pathOfFileUrl(const QUrl &url)
{
    // file://server/path names a file of another machine.
    if (!url.isLocalFile() || !(url.host().isEmpty() || url.host() == QLatin1String("localhost")))
        return std::nullopt;
    const QByteArray encodedPath = url.path(QUrl::FullyEncoded).toLatin1();
    return decode(QByteArray::fromPercentEncoding(encodedPath));
}

} // namespace PathCodec
