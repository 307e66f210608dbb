// Packing the selection into a ZIP archive and unpacking archives into new folders.
#include "bivanestate.h"

void BivaneState::packSelection(const QSet<QString> &, PaneModel &) {}

void BivaneState::packBuiltIn(const QSet<QString> &, PaneModel &) {}

void BivaneState::unpackSelection(const QSet<QString> &, PaneModel &) {}
