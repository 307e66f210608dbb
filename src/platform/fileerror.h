#pragma once

#include <QString>
#include <memory>

// A failed file operation: the errno-style code and the path it concerned, optionally with a
// message of its own and the failure that caused it (a failed copy caused by a failed write).
struct FileError
{
    FileError() = default;
    FileError(int errorCode,
              QString errorPath,
              QString ownMessage = {},
              std::shared_ptr<const FileError> cause = {})
        : code(errorCode)
        , path(std::move(errorPath))
        , message(std::move(ownMessage))
        , underlying(std::move(cause))
    {}

    int code = 0;
    QString path;
    QString message; // empty: the wording for `code`
    std::shared_ptr<const FileError> underlying;

    // `message`, else the wording for the code in the user's language: the common codes in
    // the program's own words, so a translated interface never shows the system's English;
    // rarer ones as the C library words them.
    QString description() const;

    // This failure or the first of its causes that is a refused access (EACCES, EPERM);
    // null when there is none.
    const FileError *accessDenial() const;

    bool operator==(const FileError &) const = default;
};
