#pragma once

#include "transfer/fileoperations.h"

class CopyLog;
struct EntryRef;

// The second half of a move across file systems, after `source` was copied to `copy` with
// `log` recording what the copy read. Removes from the source exactly the entries the copy
// made while each still has the identity it had when it was read, and folders with rmdir once
// they are empty; whatever another program changed or added meanwhile stays in the source and
// is counted in `leftBehind`. When the source cannot be removed at all (checked before anything
// goes), the copy is removed again and the source stays complete. Should the removal still
// fail half-way, the copy stays too, so that nothing is lost.
std::optional<FileError> removeCopiedSource(const EntryRef &source,
                                            const CopyLog &log,
                                            const EntryRef &copy,
                                            LeftBehind &leftBehind);
