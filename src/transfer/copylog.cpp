#include "transfer/copylog.h"

EntryIdentity EntryIdentity::of(const struct stat &st)
{
    return {st.st_dev, st.st_ino, st.st_size, st.st_mtim.tv_sec, st.st_mtim.tv_nsec};
}

void CopyLog::add(Kind kind, const char *name, const struct stat &st)
{
    m_records.push_back({kind, EntryIdentity::of(st), m_names.size()});
    m_names.append(name, qstrlen(name) + 1); // with its terminating zero
}
