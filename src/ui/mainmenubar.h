#pragma once

#include "controller/bivanecommands.h"

#include <QMenuBar>

class BivaneState;

// The window's menus. Each menu is built anew from the commands whenever it opens, so what can
// be chosen, the hidden-files title and the keys shown are always those of this moment; the
// keys themselves stay with the window's key handling, the menu only names them.
class MainMenuBar : public QMenuBar
{
    Q_OBJECT

public:
    MainMenuBar(BivaneState &state,
                BivaneCommands::WindowOpener openWindow,
                QWidget *parent = nullptr);

    // Rebuilds every menu from the current state.
    void refresh();
    // The key of the quit command, which the menu handles itself; empty when it has none.
    QKeySequence quitKeys() const { return m_quitKeys; }

private:
    void fill(QMenu &menu, const CommandMenu &content);

    BivaneCommands m_commands;
    QList<QMenu *> m_menus;
    QKeySequence m_quitKeys;
};
