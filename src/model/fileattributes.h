#pragma once

#include <QString>
#include <sys/types.h>

// Ten characters as a Unix listing shows them: type ("d", "l" or "-") and the nine rwx bits.
// Set-id and sticky bits are not shown.
QString permissionString(mode_t mode);

// The login name of `uid`, or the number itself when the user database has no entry.
// Resolved once per id and process; safe to call from any thread.
QString ownerName(uid_t uid);

// The description of an entry's type: folders, links and other special files by their type,
// regular files by their name's extension. Never reads the file.
QString kindDescription(const QString &name, mode_t mode);
