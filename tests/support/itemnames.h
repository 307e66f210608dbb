#pragma once

#include "model/fileitem.h"

#include <QStringList>

// The names of `items`, in their order: what a list view shows.
inline QStringList namesOf(const QList<FileItem> &items)
{
    QStringList names;
    for (const FileItem &item : items)
        names.append(item.name);
    return names;
}
