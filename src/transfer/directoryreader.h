#pragma once

#include <dirent.h>

// Reads the entries of one open folder, "." and ".." left out. The folder's descriptor stays
// usable for *at() calls on the entries while reading.
class DirectoryReader
{
public:
    // Takes over the open folder descriptor `fd` (closes it in any case); error() tells whether
    // reading could start.
    explicit DirectoryReader(int fd);
    ~DirectoryReader();
    DirectoryReader(const DirectoryReader &) = delete;
    DirectoryReader &operator=(const DirectoryReader &) = delete;

    int fd() const { return m_dir ? ::dirfd(m_dir) : -1; }
    // The next entry, or nullptr at the end or on a failure.
    const dirent *next();
    // errno of the failure that ended the reading (or kept it from starting), else 0.
    int error() const { return m_error; }

private:
    DIR *m_dir = nullptr;
    int m_error = 0;
};
