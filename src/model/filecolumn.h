#pragma once

#include <QList>
#include <QString>

// The nine columns of the list view, in display order.
enum class FileColumn {
    name,
    modified,
    created,
    lastOpened,
    added,
    size,
    kind,
    permissions,
    owner
};

QList<FileColumn> allFileColumns();

// The column's heading in the current language.
QString columnTitle(FileColumn column);
