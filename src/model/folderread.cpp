#include "model/folderread.h"

#include "model/itemorder.h"
#include "platform/posixpath.h"

#include <algorithm>
#include <malloc.h>
#include <numeric>

namespace {

constexpr qsizetype kTrimmedListing = 10'000;

ArrangedListing arrangedListing(QList<FileItem> items, const SortOrder &order)
{
    std::vector<int> rank(items.size());
    std::iota(rank.begin(), rank.end(), 0);
    return arranged(std::move(items), std::move(rank), order);
}

void readChildren(const QList<FileItem> &level, const FolderReadRequest &request, FolderRead &read)
{
    for (const FileItem &item : level) {
        if (!item.isDirectory || !request.expanded.contains(item.url()))
            continue;
        // An expanded folder that cannot be read is shown without children.
        FolderListing listing = FileItem::listFolder(item.url(), request.showHidden);
        if (listing.error)
            continue;
        ArrangedListing children = arrangedListing(std::move(listing.items), request.sortOrder);
        readChildren(children.items, request, read);
        read.children.insert(item.url(), std::move(children));
    }
}

} // namespace

ArrangedListing arranged(QList<FileItem> items, std::vector<int> rank, const SortOrder &order)
{
    ArrangedListing listing;
    const QList<qsizetype> positions = foldersFirstOrder(items, order, rank);
    if (std::is_sorted(positions.cbegin(), positions.cend())) {
        listing.items = std::move(items);
        listing.rank = std::move(rank);
    } else {
        listing.items.reserve(positions.size());
        listing.rank.reserve(positions.size());
        for (qsizetype position : positions) {
            listing.items.append(items[position]);
            listing.rank.push_back(rank[position]);
        }
    }
    listing.foldedNames = FoldedNames(listing.items);
    return listing;
}

FolderRead readFolder(const FolderReadRequest &request)
{
    FolderRead read;
    FolderListing listing = FileItem::listFolder(request.url, request.showHidden);
    read.error = listing.error;
    if (!listing.error) {
        read.root = arrangedListing(std::move(listing.items), request.sortOrder);
        if (!request.expanded.isEmpty())
            readChildren(read.root.items, request, read);
    }
    for (const QString &path : request.selection) {
        if (!entryExists(path))
            read.missing.insert(path);
    }
    // A large listing leaves its worker's heap full of freed buffers that glibc keeps per
    // thread; handing those pages back keeps the reading threads from doubling what a pane
    // holds.
    if (read.root.items.size() > kTrimmedListing)
        malloc_trim(0);
    return read;
}
