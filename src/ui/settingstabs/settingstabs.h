#pragma once

class QWidget;
class SettingsEditor;
class ShortcutStore;

// The pages of the settings window, each a view over the one draft of `editor`.

// Language and the tree list.
QWidget *makeGeneralTab(SettingsEditor &editor);
// Theme with its preview, font, icons and the function-key bar.
QWidget *makeAppearanceTab(SettingsEditor &editor);
// Both binding slots of every action; `store` is told while a slot records.
QWidget *makeShortcutsTab(SettingsEditor &editor, ShortcutStore &store);
// The programs that take over viewing, editing, packing and unpacking.
QWidget *makeProgramsTab(SettingsEditor &editor);
// Progress window and the questions before copying, moving and deleting.
QWidget *makeOperationsTab(SettingsEditor &editor);
// The application icon design with its PNG export, and the start screen.
QWidget *makeIconTab(SettingsEditor &editor);
// The main window's start size.
QWidget *makeWindowTab(SettingsEditor &editor);
