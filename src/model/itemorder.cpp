#include "itemorder.h"

#include "textcompare.h"

#include <QHash>
#include <algorithm>
#include <numeric>
#include <vector>

namespace {

bool isStringField(FileColumn field)
{
    return field == FileColumn::name || field == FileColumn::kind ||
           field == FileColumn::permissions || field == FileColumn::owner;
}

const QString &stringField(const FileItem &item, FileColumn field)
{
    switch (field) {
    case FileColumn::kind:
        return item.kind;
    case FileColumn::permissions:
        return item.permissions;
    case FileColumn::owner:
        return item.owner;
    default:
        return item.name;
    }
}

Timestamp dateField(const FileItem &item, FileColumn field)
{
    switch (field) {
    case FileColumn::created:
        return item.created;
    case FileColumn::lastOpened:
        return item.lastOpened;
    case FileColumn::added:
        return item.added;
    default:
        return item.modified;
    }
}

// Collation keys of one string field, made once per sort instead of once per comparison.
// Kinds, owners and permissions repeat a lot, so equal texts share one key.
struct CollationKeys
{
    std::vector<QCollatorSortKey> keys;
    std::vector<int> keyOfItem;

    CollationKeys(const QList<FileItem> &items, FileColumn field, const QCollator &collator)
    {
        keyOfItem.reserve(items.size());
        const bool repeating = field != FileColumn::name;
        QHash<QString, int> known;
        for (const FileItem &item : items) {
            const QString &text = stringField(item, field);
            if (repeating) {
                if (const auto found = known.constFind(text); found != known.cend()) {
                    keyOfItem.push_back(*found);
                    continue;
                }
                known.insert(text, int(keys.size()));
            }
            keyOfItem.push_back(int(keys.size()));
            keys.push_back(collator.sortKey(text));
        }
    }

    int compare(qsizetype a, qsizetype b) const
    {
        return keys[keyOfItem[a]].compare(keys[keyOfItem[b]]);
    }
};

struct ComparatorKeys
{
    SortComparator comparator;
    std::optional<CollationKeys> strings;
};

int compareBy(const ComparatorKeys &by, const QList<FileItem> &items, qsizetype a, qsizetype b)
{
    const FileItem &x = items[a];
    const FileItem &y = items[b];
    const FileColumn field = by.comparator.field;
    if (by.strings) {
        if (const int result = by.strings->compare(a, b))
            return result;
        // Names that differ only in case still get a fixed order.
        return QString::compare(stringField(x, field), stringField(y, field));
    }
    if (field == FileColumn::size)
        return x.size < y.size ? -1 : x.size > y.size ? 1 : 0;
    const auto ordering = dateField(x, field) <=> dateField(y, field);
    return ordering < 0 ? -1 : ordering > 0 ? 1 : 0;
}

} // namespace

QList<qsizetype> foldersFirstOrder(const QList<FileItem> &items, const SortOrder &order)
{
    std::vector<ComparatorKeys> chain;
    const QCollator collator = naturalCollator();
    for (const SortComparator &comparator : order) {
        ComparatorKeys keys{comparator, std::nullopt};
        if (isStringField(comparator.field))
            keys.strings.emplace(items, comparator.field, collator);
        chain.push_back(std::move(keys));
    }

    QList<qsizetype> positions(items.size());
    std::iota(positions.begin(), positions.end(), 0);
    std::stable_sort(positions.begin(), positions.end(), [&](qsizetype a, qsizetype b) {
        if (items[a].isDirectory != items[b].isDirectory)
            return items[a].isDirectory;
        for (const ComparatorKeys &by : chain) {
            const int result = compareBy(by, items, a, b);
            if (result != 0)
                return by.comparator.direction == Qt::AscendingOrder ? result < 0 : result > 0;
        }
        return false;
    });
    return positions;
}
