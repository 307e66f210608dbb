#include "model/itemorder.h"

#include "platform/textcompare.h"

#include <QHash>
#include <algorithm>
#include <thread>
#include <vector>

namespace {

bool isStringField(FileColumn field)
{
    return field == FileColumn::name || field == FileColumn::kind ||
           field == FileColumn::permissions || field == FileColumn::owner;
}

QString stringField(const FileItem &item, FileColumn field)
{
    switch (field) {
    case FileColumn::kind:
        return item.kind();
    case FileColumn::permissions:
        return item.permissions();
    case FileColumn::owner:
        return item.owner();
    default:
        return item.name;
    }
}

void appendNameKeys(const QList<FileItem> &items,
                    qsizetype begin,
                    qsizetype end,
                    std::vector<QCollatorSortKey> &keys)
{
    const QCollator collator = naturalCollator(); // one per thread: a collator is not shareable
    keys.reserve(keys.size() + (end - begin));
    for (qsizetype i = begin; i < end; ++i)
        keys.push_back(collator.sortKey(items[i].name));
}

// Making collation keys is most of the cost of sorting a large folder by name, so a large list
// gets its second half done on another core.
std::vector<QCollatorSortKey> nameKeys(const QList<FileItem> &items)
{
    constexpr qsizetype kWorthASecondThread = 8192;
    std::vector<QCollatorSortKey> keys;
    if (items.size() < kWorthASecondThread) {
        appendNameKeys(items, 0, items.size(), keys);
        return keys;
    }
    const qsizetype half = items.size() / 2;
    std::vector<QCollatorSortKey> secondHalf;
    std::thread helper([&] { appendNameKeys(items, half, items.size(), secondHalf); });
    appendNameKeys(items, 0, half, keys);
    helper.join();
    keys.insert(keys.end(),
                std::make_move_iterator(secondHalf.begin()),
                std::make_move_iterator(secondHalf.end()));
    return keys;
}

// Collation keys of one string field, made once per sort instead of once per comparison.
// Kinds, owners and permissions repeat a lot, so equal texts share one key; names get one each.
struct CollationKeys
{
    std::vector<QCollatorSortKey> keys;
    std::vector<int> keyOfItem; // empty when every item has its own key
    std::vector<QString> texts; // the text of each shared key

    CollationKeys(const QList<FileItem> &items, FileColumn field, const QCollator &collator)
    {
        if (field == FileColumn::name) {
            keys = nameKeys(items);
            return;
        }
        keyOfItem.reserve(items.size());
        QHash<QString, int> known;
        for (const FileItem &item : items) {
            const QString text = stringField(item, field);
            auto found = known.constFind(text);
            if (found == known.cend()) {
                found = known.insert(text, int(keys.size()));
                keys.push_back(collator.sortKey(text));
                texts.push_back(text);
            }
            keyOfItem.push_back(*found);
        }
    }

    const QCollatorSortKey &keyOf(qsizetype item) const
    {
        return keys[keyOfItem.empty() ? item : keyOfItem[item]];
    }

    // Texts that collate equal still get a fixed order: the one of their code points.
    int compareTexts(const QList<FileItem> &items, qsizetype a, qsizetype b) const
    {
        if (keyOfItem.empty())
            return QString::compare(items[a].name, items[b].name);
        return QString::compare(texts[keyOfItem[a]], texts[keyOfItem[b]]);
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
        if (const int result = by.strings->keyOf(a).compare(by.strings->keyOf(b)))
            return result;
        return by.strings->compareTexts(items, a, b);
    }
    if (field == FileColumn::size)
        return x.size < y.size ? -1 : x.size > y.size ? 1 : 0;
    const auto ordering = x.date(field) <=> y.date(field);
    return ordering < 0 ? -1 : ordering > 0 ? 1 : 0;
}

} // namespace

QList<qsizetype> foldersFirstOrder(const QList<FileItem> &items,
                                   const SortOrder &order,
                                   std::span<const int> listingRank)
{
    std::vector<ComparatorKeys> chain;
    const QCollator collator = naturalCollator();
    for (const SortComparator &comparator : order) {
        ComparatorKeys keys{comparator, std::nullopt};
        if (isStringField(comparator.field))
            keys.strings.emplace(items, comparator.field, collator);
        chain.push_back(std::move(keys));
    }
    const auto rank = [&](qsizetype position) {
        return listingRank.empty() ? position : qsizetype(listingRank[position]);
    };

    // Folders ahead of everything else, each group sorted on its own: the comparisons then never
    // touch the items' folder flags, and the sort needs no extra stability pass.
    QList<qsizetype> positions;
    positions.reserve(items.size());
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (items[i].isDirectory)
            positions.append(i);
    }
    const qsizetype folderCount = positions.size();
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (!items[i].isDirectory)
            positions.append(i);
    }
    const auto precedes = [&](qsizetype a, qsizetype b) {
        for (const ComparatorKeys &by : chain) {
            const int result = compareBy(by, items, a, b);
            if (result != 0)
                return by.comparator.direction == Qt::AscendingOrder ? result < 0 : result > 0;
        }
        return rank(a) < rank(b);
    };
    std::sort(positions.begin(), positions.begin() + folderCount, precedes);
    std::sort(positions.begin() + folderCount, positions.end(), precedes);
    return positions;
}
