#pragma once

#include "model/fileitem.h"
#include "model/foldednames.h"

#include <QHash>
#include <QSet>
#include <QStringList>
#include <vector>

// A folder's entries in the order a pane shows them (folders first, then by the sort order),
// each with its name folded for the search and its position in the listing, which decides
// between entries that sort equal.
struct ArrangedListing
{
    QList<FileItem> items;
    std::vector<int> rank;
    FoldedNames foldedNames;

    bool operator==(const ArrangedListing &) const = default;
};

// What a pane asks of a read, as values a worker thread can take.
struct FolderReadRequest
{
    QString url;
    bool showHidden = false;
    SortOrder sortOrder;
    // Folders of the tree whose children are read too (those inside the folder, recursively).
    QSet<QString> expanded;
    // Paths to look for: those that no longer exist are reported as missing.
    QSet<QString> selection;

    bool operator==(const FolderReadRequest &) const = default;
};

// Everything a read found, arranged on the worker so that the main thread only takes it over.
struct FolderRead
{
    ArrangedListing root;
    std::optional<FileError> error;
    // The listing of each expanded folder that could be read.
    QHash<QString, ArrangedListing> children;
    QSet<QString> missing;

    bool operator==(const FolderRead &) const = default;
};

// Reads, examines and arranges; runs on a worker thread.
FolderRead readFolder(const FolderReadRequest &request);

// `items` (with their listing positions `rank`) in the order of `order`, names folded.
ArrangedListing arranged(QList<FileItem> items, std::vector<int> rank, const SortOrder &order);
