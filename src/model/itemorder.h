#pragma once

#include "model/fileitem.h"

#include <span>

// Positions into `items`, in the order FileItem::sortFoldersFirst gives them. Entries equal under
// every comparator keep the order of `listingRank` (their position in the folder listing; the
// position in `items` when empty), so re-sorting an already sorted list stays stable.
QList<qsizetype> foldersFirstOrder(const QList<FileItem> &items,
                                   const SortOrder &order,
                                   std::span<const int> listingRank = {});
