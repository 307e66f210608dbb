#include "transfer/directoryreader.h"

#include <cerrno>
#include <unistd.h>

DirectoryReader::DirectoryReader(int fd)
{
    if (fd < 0) {
        m_error = EBADF;
        return;
    }
    m_dir = ::fdopendir(fd);
    if (!m_dir) {
        m_error = errno;
        ::close(fd);
    }
}

DirectoryReader::~DirectoryReader()
{
    if (m_dir)
        ::closedir(m_dir);
}

const dirent *DirectoryReader::next()
{
    if (!m_dir)
        return nullptr;
    for (;;) {
        errno = 0;
        const dirent *entry = ::readdir(m_dir);
        if (!entry) {
            m_error = errno;
            return nullptr;
        }
        const char *name = entry->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        return entry;
    }
}
