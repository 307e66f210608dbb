#pragma once

#include "platform/fileerror.h"

#include <QString>

// What the file system itself tells about a failure the user can act on, in the user's
// language, or an empty text. For a refused access: who owns the item (or the folder that was
// to hold it), its permission bits, the right this user lacks there and who can grant it. For
// an item on a file system mounted read-only: that mount. Looks at the failing path once
// without following a final link or triggering an automount.
QString accessHint(const FileError &error);
