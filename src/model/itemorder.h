#pragma once

#include "fileitem.h"

// Positions into `items`, in the order FileItem::sortFoldersFirst gives them.
QList<qsizetype> foldersFirstOrder(const QList<FileItem> &items, const SortOrder &order);
