#pragma once

#include <QString>

// A failed file-system call: the errno-style code and the path it concerned.
struct FileError
{
    int code = 0;
    QString path;

    // The system's own wording for the code, in the user's language where the C library has it.
    QString description() const;

    bool operator==(const FileError &) const = default;
};
