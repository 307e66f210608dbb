#include "platform/startlocation.h"

#include "platform/localization.h"
#include "platform/pathcodec.h"
#include "platform/pathnames.h"
#include "platform/posixpath.h"
#include "platform/statat.h"

#include <optional>
#include <sys/stat.h>

namespace StartLocations {
namespace {

// The path bytes of a "file:" URI ("file:///p", "file://localhost/p", "file:/p"); nothing for
// a file of another machine or a URI without an absolute path.
std::optional<QByteArray> pathOfFileUri(const QByteArray &uri)
{
    QByteArray rest = uri.mid(5);
    for (const char endOfPath : {'?', '#'}) // a query or fragment is no part of the path
        if (const qsizetype end = rest.indexOf(endOfPath); end >= 0)
            rest.truncate(end);
    if (rest.startsWith("//")) {
        const qsizetype pathStart = rest.indexOf('/', 2);
        const QByteArray host = rest.mid(2, pathStart < 0 ? -1 : pathStart - 2).toLower();
        if (pathStart < 0 || !(host.isEmpty() || host == "localhost"))
            return std::nullopt;
        rest = rest.mid(pathStart);
    }
    if (!rest.startsWith('/'))
        return std::nullopt;
    return QByteArray::fromPercentEncoding(rest);
}

bool isFileUri(const QByteArray &argument)
{
    return argument.left(5).toLower() == "file:";
}

} // namespace

QByteArrayList positionalArguments(const QByteArrayList &arguments,
                                   const QByteArrayList &optionsWithValue)
{
    QByteArrayList positional;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QByteArray &argument = arguments[i];
        if (optionsEnded || argument == "-" || !argument.startsWith('-')) {
            positional.append(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument.startsWith("--") && optionsWithValue.contains(argument.mid(2))) {
            ++i; // its value
        }
    }
    return positional;
}

StartLocation locate(const QByteArray &argument, const QByteArray &workingFolder)
{
    const QString shown = PathCodec::displayText(PathCodec::decode(argument));
    QByteArray bytes = argument;
    if (isFileUri(argument)) {
        const auto path = pathOfFileUri(argument);
        if (!path)
            return {{}, {}, Bv::tr("„%1“ liegt nicht auf diesem Rechner.").arg(shown)};
        bytes = *path;
    } else if (!bytes.startsWith('/')) {
        bytes = workingFolder + '/' + bytes;
    }
    const QString path = PathNames::standardized(PathCodec::decode(bytes));
    const PosixPath at(PathCodec::encode(path));
    struct stat status;
    if (at.error() != 0 || statAt(at.dirFd(), at.relative(), &status, 0) != 0)
        return {{}, {}, Bv::tr("„%1“ gibt es nicht.").arg(shown)};
    if (S_ISDIR(status.st_mode))
        return {path, {}, {}};
    return {PathNames::parentFolder(path), path, {}};
}

} // namespace StartLocations
