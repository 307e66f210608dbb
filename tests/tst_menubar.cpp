#include "controllerfixture.h"
#include "model/panemodel.h"
#include "testmain.h"
#include "ui/mainmenubar.h"
#include "ui/mainwindow.h"

#include <QMenu>
#include <QTest>

namespace {

QMenu *menuTitled(const MainMenuBar &bar, const QString &title)
{
    for (QAction *action : bar.actions()) {
        if (action->text() == title)
            return action->menu();
    }
    return nullptr;
}

// Title and key column of every entry of the bar, for finding one and reading its keys.
QAction *entry(const MainMenuBar &bar, const QString &title)
{
    for (QAction *menuAction : bar.actions()) {
        for (QAction *action : menuAction->menu()->actions()) {
            if (action->text().section(QLatin1Char('\t'), 0, 0) == title)
                return action;
        }
    }
    return nullptr;
}

QStringList disabledEntries(const MainMenuBar &bar)
{
    QStringList titles;
    for (QAction *menuAction : bar.actions()) {
        for (QAction *action : menuAction->menu()->actions()) {
            if (!action->isSeparator() && !action->isEnabled())
                titles << action->text().section(QLatin1Char('\t'), 0, 0);
        }
    }
    return titles;
}

} // namespace

class MenuBarTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetHome(); }

    void enabledFollowActivePane_data();
    void enabledFollowActivePane();
    void keysAndTitlesFollowState();
    void entriesRunTheirCommands();
};

void MenuBarTest::enabledFollowActivePane_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<QStringList>("disabled");
    const QStringList needSelection{"Öffnen",
                                    "Ansehen (zugewiesenes Programm, sonst Schnellvorschau)",
                                    "Bearbeiten (Editor)",
                                    "Informationen",
                                    "Umbenennen",
                                    "Duplizieren",
                                    "Packen",
                                    "Entpacken",
                                    "Im Dateimanager zeigen",
                                    "In den Papierkorb legen"};
    QTest::newRow("nothing selected")
        << home() << QStringList() << needSelection + QStringList{"Zurück", "Vorwärts"};
    QTest::newRow("one file") << home() << QStringList{"a.txt"}
                              << QStringList{"Entpacken", "Zurück", "Vorwärts"};
    QTest::newRow("two with an archive") << home() << QStringList{"a.txt", "pack.zip"}
                                         << QStringList{"Umbenennen", "Zurück", "Vorwärts"};
    QTest::newRow("root folder") << QStringLiteral("/") << QStringList()
                                 << needSelection +
                                        QStringList{"Vorwärts", "Übergeordneter Ordner"};
}

void MenuBarTest::enabledFollowActivePane()
{
    QFETCH(QString, folder);
    QFETCH(QStringList, selected);
    QFETCH(QStringList, disabled);
    writeFile(home(QStringLiteral("a.txt")));
    writeFile(home(QStringLiteral("pack.zip")));
    ControllerFixture f;
    MainMenuBar bar(f.state(), {});
    PaneModel &pane = f.state().activePane();
    pane.navigate(folder);
    const QSet<QString> selection = inHome(selected);
    pane.setSelection(selection);

    // Each menu reads the state as it opens.
    for (QAction *menuAction : bar.actions())
        emit menuAction->menu()->aboutToShow();
    QCOMPARE(disabledEntries(bar), disabled);
}

// The keys read as the program writes them, in its language, the quit key too.
void MenuBarTest::keysAndTitlesFollowState()
{
    ControllerFixture f;
    MainMenuBar bar(f.state(), {});
    QCOMPARE(entry(bar, QStringLiteral("Neuer Ordner"))->text(),
             QStringLiteral("Neuer Ordner\tStrg+Umschalt+N"));
    QCOMPARE(entry(bar, QStringLiteral("Im Dateimanager zeigen"))->text(),
             QStringLiteral("Im Dateimanager zeigen\tStrg+R"));
    QAction *quit = entry(bar, QStringLiteral("Beenden"));
    QCOMPARE(quit->text(), QStringLiteral("Beenden\tStrg+Q"));
    QCOMPARE(quit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));

    ShortcutBindings bindings = f.shortcuts.bindings();
    bindings[ShortcutAction::newFolder] = {
        KeyCombo{40, ModifierBit::command | ModifierBit::option, QStringLiteral("K")},
        std::nullopt};
    bindings[ShortcutAction::info] = {KeyCombo{12, ModifierBit::command, QStringLiteral("Q")},
                                      std::nullopt};
    f.shortcuts.replaceAll(bindings);
    QCOMPARE(entry(bar, QStringLiteral("Neuer Ordner"))->text(),
             QStringLiteral("Neuer Ordner\tStrg+Alt+K"));
    // A binding of the quit key takes it away from quitting.
    QCOMPARE(entry(bar, QStringLiteral("Informationen"))->text(),
             QStringLiteral("Informationen\tStrg+Q"));
    QCOMPARE(entry(bar, QStringLiteral("Beenden"))->text(), QStringLiteral("Beenden"));
    QVERIFY(entry(bar, QStringLiteral("Beenden"))->shortcut().isEmpty());

    QMenu *view = menuTitled(bar, QStringLiteral("Darstellung"));
    QVERIFY(view);
    QVERIFY(entry(bar, QStringLiteral("Unsichtbare Dateien einblenden")));
    f.state().activePane().setShowHidden(true);
    emit view->aboutToShow();
    QVERIFY(entry(bar, QStringLiteral("Unsichtbare Dateien ausblenden")));
}

void MenuBarTest::entriesRunTheirCommands()
{
    writeFile(home(QStringLiteral("Downloads/first.txt")));
    ControllerFixture f;
    QStringList opened;
    MainMenuBar bar(f.state(), [&opened](const QString &window) { opened << window; });
    BivaneState &state = f.state();
    state.right().navigate(home(QStringLiteral("Downloads")));

    entry(bar, QStringLiteral("Als Spalten"))->trigger();
    QCOMPARE(state.left().viewMode(), ViewMode::columns);
    entry(bar, QStringLiteral("Über Bivane"))->trigger();
    QCOMPARE(opened, QStringList{QStringLiteral("about")});

    // The other pane takes the keyboard and, having no selection, selects its first item.
    QCOMPARE(state.active(), PaneSide::left);
    entry(bar, QStringLiteral("Anderes Panel wechseln"))->trigger();
    QCOMPARE(state.focusZone(), FocusZone::rightList);
    QCOMPARE(state.right().selection(), QSet<QString>{home(QStringLiteral("Downloads/first.txt"))});
}

BIVANE_GUI_TEST_MAIN(MenuBarTest)
#include "tst_menubar.moc"
