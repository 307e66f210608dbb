#pragma once

#include "model/filecolumn.h"

#include <QList>
#include <QMetaType>

// One key of a sort order: a field of FileItem and a direction. Strings compare naturally
// (see naturalCollator), sizes as numbers, dates chronologically.
struct SortComparator
{
    FileColumn field = FileColumn::name;
    Qt::SortOrder direction = Qt::AscendingOrder;

    bool operator==(const SortComparator &) const = default;
};

// The first comparator decides; each further one only breaks ties of those before it.
using SortOrder = QList<SortComparator>;

inline SortOrder defaultSortOrder()
{
    return {SortComparator{}};
}
Q_DECLARE_METATYPE(SortComparator)
