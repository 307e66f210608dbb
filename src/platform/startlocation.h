#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

// Where a pane starts when the program is asked to open something: the desktop's "open with"
// passes folders and files as paths or file URIs on the command line.
struct StartLocation
{
    // The decoded absolute folder the pane shows; empty when the argument names nothing to open.
    QString folder;
    // The file to select in it, when the argument named a file; empty for a folder.
    QString selected;
    // Why the argument cannot be opened, for the user; empty when it can.
    QString problem;

    bool operator==(const StartLocation &) const = default;
};

namespace StartLocations {

// The positional arguments, byte for byte, of `arguments` (argv[1] onwards, after Qt has taken
// its own options out): everything that is not an option, and everything after "--". The
// options named in `optionsWithValue` take the next argument as their value unless written
// "--name=value".
QByteArrayList positionalArguments(const QByteArrayList &arguments,
                                   const QByteArrayList &optionsWithValue);

// What `argument` asks to open: a "file:" URI of this machine decoded byte for byte, or a path,
// a relative one taken from `workingFolder` (bytes). The file system decides between folder
// and file; symbolic links are followed.
StartLocation locate(const QByteArray &argument, const QByteArray &workingFolder);

} // namespace StartLocations
