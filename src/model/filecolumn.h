#pragma once

#include <QList>
#include <QString>
#include <optional>

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

// The case name ("name", "lastOpened" …) under which a column is stored.
QString rawValue(FileColumn column);
std::optional<FileColumn> fileColumnFromRawValue(const QString &rawValue);

// The column's heading in the current language.
QString columnTitle(FileColumn column);
