#include "fileerror.h"

#include <cstring>

QString FileError::description() const
{
    if (!message.isEmpty())
        return message;
    char buffer[256];
    // GNU strerror_r returns a pointer that may or may not point into `buffer`.
    const char *text = strerror_r(code, buffer, sizeof buffer);
    return QString::fromLocal8Bit(text);
}
