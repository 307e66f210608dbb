#pragma once

class BivaneState;
class PaneModel;
class QLineEdit;
class QWidget;

// Selects the part of a name the user most likely changes: a file's name without its extension,
// a folder's whole name.
void selectNameStem(QLineEdit &field, bool isFolder);

// The rename for the views that have no field in their rows (the icon grid, the column browser,
// the retro list): an alert "Umbenennen" whose field edits the pane's rename text. Confirming
// commits the rename; closing it any other way only ends the renaming.
void showRenameAlert(BivaneState &state, PaneModel &pane, QWidget &parent);
