#pragma once

#include <QString>
#include <QtGlobal>

// Whether a run copies its items or moves them.
enum class TransferKind { copy, move };

// One top-level item of a run. The controller chooses a destination where nothing stands yet;
// the run fills `size` while scanning.
struct TransferJob
{
    QString source;             // absolute, standardised path of the item
    QString destination;        // the full path it gets in the target folder
    qint64 size = 0;            // bytes to copy; always 0 for an instant move
    bool isInstantMove = false; // a move within one volume: renamed into place, never copied

    bool operator==(const TransferJob &) const = default;
};

// Bytes read and written per step of a file copy.
inline constexpr qint64 transferChunkSize = 4 * 1024 * 1024;
