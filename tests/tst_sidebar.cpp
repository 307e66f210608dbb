#include "appearance/theme.h"
#include "controller/favorites.h"
#include "controller/places.h"
#include "controllerfixture.h"
#include "model/panemodel.h"
#include "platform/preferencekeys.h"
#include "presetrows.h"
#include "testmain.h"
#include "ui/mainwindow.h"
#include "ui/paneview.h"
#include "ui/sidebarview.h"
#include "ui/themedpieces.h"
#include "windowat.h"

#include <QApplication>
#include <QMenu>
#include <QMimeData>
#include <QToolButton>

namespace {

QStringList rowTexts(const SidebarView &view)
{
    QStringList texts;
    for (int row = 0; row < view.model()->rowCount(); ++row)
        texts.append(view.model()->index(row, 0).data().toString());
    return texts;
}

QModelIndex rowNamed(const SidebarView &view, const QString &text)
{
    const QModelIndexList found =
        view.model()->match(view.model()->index(0, 0), Qt::DisplayRole, text, 1, Qt::MatchExactly);
    return found.value(0);
}

QString selectedText(const SidebarView &view)
{
    return view.currentIndex().data().toString();
}

void clickRow(SidebarView &view, const QString &text)
{
    const QModelIndex index = rowNamed(view, text);
    QVERIFY2(index.isValid(), qPrintable(text));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(index).center());
}

// Drags the paths over the sidebar and lets them go, as a file manager's drag would.
void drop(SidebarView &view, const QStringList &paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls.append(QUrl::fromLocalFile(path));
    data.setUrls(urls);
    const QPoint where = view.viewport()->rect().center();
    QDragEnterEvent enter(where, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(view.viewport(), &enter);
    QDragMoveEvent move(where, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(view.viewport(), &move);
    QDropEvent dropped(where, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(view.viewport(), &dropped);
}

void chooseFromMenu(SidebarView &view, const QString &entry, const QString &action)
{
    const QPoint where = view.visualRect(rowNamed(view, entry)).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, where, view.viewport()->mapToGlobal(where));
    QApplication::sendEvent(view.viewport(), &event);
    auto *menu = view.findChild<QMenu *>();
    QVERIFY(menu);
    for (QAction *item : menu->actions()) {
        if (item->text() == action) {
            item->trigger();
            menu->close();
            return;
        }
    }
    QFAIL(qPrintable(action));
}

void drag(SidebarResizeHandle &handle, double dx)
{
    const QPointF start = handle.mapToGlobal(QPointF(4, 10));
    const auto send = [&handle](QEvent::Type type, QPointF global, Qt::MouseButtons buttons) {
        QMouseEvent event(
            type, handle.mapFromGlobal(global), global, Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(&handle, &event);
    };
    send(QEvent::MouseButtonPress, start, Qt::LeftButton);
    send(QEvent::MouseMove, start + QPointF(dx / 2, 0), Qt::LeftButton);
    send(QEvent::MouseMove, start + QPointF(dx, 0), Qt::LeftButton);
    send(QEvent::MouseButtonRelease, start + QPointF(dx, 0), Qt::NoButton);
}

// For every row of the sidebar as drawn, the contrast of its text against the row's
// background: the background is the pixel at the row's left edge, the text the pixel that
// stands out most from it. The system preset highlights the current row in the desktop's own
// colours, which are the desktop's choice.
void requireReadableRows(SidebarView &view, const QString &preset, bool desktopHighlight)
{
    const QImage image = view.viewport()->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    for (int row = 0; row < view.model()->rowCount(); ++row) {
        const QModelIndex index = view.model()->index(row, 0);
        const QRect line = view.visualRect(index) & view.viewport()->rect();
        if (line.isEmpty() || (desktopHighlight && index == view.currentIndex()))
            continue;
        const QColor background =
            image.pixelColor(QPoint(line.left() + 1, line.center().y()) * ratio);
        double best = 1;
        for (int y = line.top(); y <= line.bottom(); ++y)
            for (int x = line.left(); x <= line.right(); ++x)
                best = std::max(best,
                                contrastRatio(image.pixelColor(QPoint(x, y) * ratio), background));
        QVERIFY2(best >= 4.5,
                 qPrintable(QStringLiteral("%1: \"%2\" %3:1")
                                .arg(preset, index.data().toString())
                                .arg(best, 0, 'f', 2)));
    }
}

} // namespace

class SidebarTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void sections();
    void volumesFollowMounts();
    void starAndSidebarShareTheFavorites();
    void clickNavigates_data();
    void clickNavigates();
    void keysNavigate();
    void droppedFolders_data();
    void droppedFolders();
    void favoriteMenu_data();
    void favoriteMenu();
    void widthSurvivesRestart();
    void textsReadableInEveryTheme_data();
    void textsReadableInEveryTheme();
};

void SidebarTest::init()
{
    resetHome();
    for (const char *folder : {"Documents", "Desktop", "Projekte", "Fotos", "Musik"})
        QDir().mkpath(home(QString::fromLatin1(folder)));
    writeFile(home(QStringLiteral("datei.txt")));
}

// Without favourites the hint stands in their section; the volumes come from the desktop when
// the sidebar is shown.
void SidebarTest::sections()
{
    ControllerFixture f;
    f.desktop.volumes = {{QStringLiteral("System"), QStringLiteral("/")}};
    SidebarView view(f.state(), f.state().left());
    view.show();
    const QStringList texts = rowTexts(view);
    const qsizetype mine = texts.indexOf(QStringLiteral("Meine Favoriten"));
    QCOMPARE(texts.first(), QStringLiteral("Favoriten"));
    QCOMPARE(texts.mid(mine),
             QStringList({QStringLiteral("Meine Favoriten"),
                          QStringLiteral("Ordner hierher ziehen"),
                          QStringLiteral("Orte"),
                          QStringLiteral("System")}));
    QCOMPARE(mine, 1 + defaultPlaces().size());
    QCOMPARE(selectedText(view), defaultPlaces().first().name);
}

// A stick plugged in while the sidebar is on screen appears under "Orte" at the desktop's
// notice, and disappears when it is taken away, without the sidebar being shown again.
void SidebarTest::volumesFollowMounts()
{
    ControllerFixture f;
    const MountedVolume system{QStringLiteral("System"), QStringLiteral("/")};
    f.desktop.volumes = {system};
    SidebarView view(f.state(), f.state().left());
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const auto shownVolumes = [&] {
        const QStringList texts = rowTexts(view);
        return texts.mid(texts.indexOf(QStringLiteral("Orte")) + 1);
    };
    QCOMPARE(shownVolumes(), QStringList({QStringLiteral("System")}));

    f.desktop.volumes.append({QStringLiteral("USB-STICK"), home(QStringLiteral("Fotos"))});
    f.desktop.reportMountsChanged();
    QCOMPARE(shownVolumes(), QStringList({QStringLiteral("System"), QStringLiteral("USB-STICK")}));
    clickRow(view, QStringLiteral("USB-STICK"));
    QCOMPARE(f.state().left().url(), home(QStringLiteral("Fotos")));

    f.desktop.volumes = {system};
    f.desktop.reportMountsChanged();
    QCOMPARE(shownVolumes(), QStringList({QStringLiteral("System")}));
    // The pane was on the stick: it went up to the folder above, and the sidebar marks it.
    QCOMPARE(f.state().left().url(), home());
    QCOMPARE(selectedText(view), defaultPlaces().first().name);
}

// The pane's star adds its folder to the favourites and takes it away again; the sidebar shows
// the favourites as they are.
void SidebarTest::starAndSidebarShareTheFavorites()
{
    ControllerFixture f;
    BivaneState &state = f.state();
    state.left().navigate(home(QStringLiteral("Projekte")));
    PaneView pane(state, state.left());
    SidebarView sidebar(state, state.right());
    pane.show();
    sidebar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pane));
    const auto star = [&pane]() -> QToolButton * {
        for (QToolButton *button : pane.findChildren<QToolButton *>()) {
            if (button->text() == QStringLiteral("☆") || button->text() == QStringLiteral("★"))
                return button;
        }
        return nullptr;
    };
    const auto favoritesShown = [&sidebar] {
        const QStringList texts = rowTexts(sidebar);
        const qsizetype mine = texts.indexOf(QStringLiteral("Meine Favoriten"));
        return texts.mid(mine + 1, texts.indexOf(QStringLiteral("Orte")) - mine - 1);
    };
    QVERIFY(star());
    QCOMPARE(star()->toolTip(), QStringLiteral("Ordner zu Favoriten hinzufügen"));

    QTest::mouseClick(star(), Qt::LeftButton);
    QCOMPARE(star()->text(), QStringLiteral("★"));
    QCOMPARE(star()->toolTip(), QStringLiteral("Aus Favoriten entfernen"));
    QCOMPARE(favoritesShown(), QStringList({QStringLiteral("Projekte")}));
    QCOMPARE(f.preferences.stringListValue(Pref::customFavorites),
             QStringList({home(QStringLiteral("Projekte"))}));

    QTest::mouseClick(star(), Qt::LeftButton);
    QCOMPARE(star()->text(), QStringLiteral("☆"));
    QCOMPARE(favoritesShown(), QStringList({QStringLiteral("Ordner hierher ziehen")}));
}

void SidebarTest::clickNavigates_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("folder");
    QTest::newRow("place") << QStringLiteral("Dokumente") << home(QStringLiteral("Documents"));
    QTest::newRow("favourite under its own name")
        << QStringLiteral("Meine Fotos") << home(QStringLiteral("Fotos"));
    QTest::newRow("volume") << QStringLiteral("System") << QStringLiteral("/");
    QTest::newRow("section title stays") << QStringLiteral("Orte") << home();
}

void SidebarTest::clickNavigates()
{
    QFETCH(QString, entry);
    QFETCH(QString, folder);
    ControllerFixture f;
    f.desktop.volumes = {{QStringLiteral("System"), QStringLiteral("/")}};
    BivaneState &state = f.state();
    state.favorites().add({home(QStringLiteral("Fotos"))});
    state.favorites().setName(home(QStringLiteral("Fotos")), QStringLiteral("Meine Fotos"));
    state.left().navigate(home());
    SidebarView view(state, state.left());
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    clickRow(view, entry);
    QCOMPARE(state.left().url(), folder);
    QCOMPARE(selectedText(view),
             entry == QStringLiteral("Orte") ? defaultPlaces().first().name : entry);
}

// In the main window Tab reaches the sidebars; there the arrows go from entry to entry and
// Return hands the keyboard to the pane's list.
void SidebarTest::keysNavigate()
{
    ControllerFixture f;
    BivaneState &state = f.state();
    state.left().navigate(home());
    MainWindow window(state);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QList<SidebarView *> sidebars = window.findChildren<SidebarView *>();
    QCOMPARE(sidebars.size(), 2);
    SidebarView *left = sidebars[0]->zone() == FocusZone::leftSidebar ? sidebars[0] : sidebars[1];
    SidebarView *right = left == sidebars[0] ? sidebars[1] : sidebars[0];
    QTRY_COMPARE(state.focusZone(), FocusZone::leftList);
    QTRY_VERIFY(isFileView(QApplication::focusWidget()));
    QWidget *leftList = QApplication::focusWidget();

    const auto press = [](Qt::Key key) {
        QTest::keyClick(QGuiApplication::focusWindow(), key);
    };
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    QCOMPARE(state.focusZone(), FocusZone::rightSidebar);
    QTRY_COMPARE(QApplication::focusWidget(), right);
    press(Qt::Key_Tab);
    QCOMPARE(state.focusZone(), FocusZone::leftSidebar);
    QTRY_COMPARE(QApplication::focusWidget(), left);

    press(Qt::Key_Down);
    QCOMPARE(state.left().url(), home(QStringLiteral("Desktop")));
    QCOMPARE(selectedText(*left), QStringLiteral("Schreibtisch"));
    press(Qt::Key_Down);
    press(Qt::Key_Up);
    QCOMPARE(state.left().url(), home(QStringLiteral("Desktop")));
    press(Qt::Key_Return);
    QCOMPARE(state.focusZone(), FocusZone::leftList);
    QTRY_COMPARE(QApplication::focusWidget(), leftList);

    // A click into a sidebar gives it the keyboard zone as well as the folder.
    clickRow(*right, QStringLiteral("Dokumente"));
    QCOMPARE(state.right().url(), home(QStringLiteral("Documents")));
    QTRY_COMPARE(state.focusZone(), FocusZone::rightSidebar);
    QCOMPARE(state.active(), PaneSide::right);
}

void SidebarTest::droppedFolders_data()
{
    QTest::addColumn<QStringList>("drops"); // one drop per entry, names separated by "|"
    QTest::addColumn<QStringList>("favorites");
    QTest::newRow("a folder") << QStringList{QStringLiteral("Projekte")}
                              << QStringList{QStringLiteral("Projekte")};
    QTest::newRow("the same folder twice")
        << QStringList{QStringLiteral("Projekte"), QStringLiteral("Projekte|Projekte")}
        << QStringList{QStringLiteral("Projekte")};
    QTest::newRow("a file") << QStringList{QStringLiteral("datei.txt")} << QStringList();
    QTest::newRow("folders among files")
        << QStringList{QStringLiteral("datei.txt|Musik|Fotos")}
        << QStringList{QStringLiteral("Musik"), QStringLiteral("Fotos")};
}

void SidebarTest::droppedFolders()
{
    QFETCH(QStringList, drops);
    QFETCH(QStringList, favorites);
    ControllerFixture f;
    SidebarView view(f.state(), f.state().right());
    for (const QString &names : drops) {
        QStringList paths;
        for (const QString &name : names.split(QLatin1Char('|')))
            paths.append(home(name));
        drop(view, paths);
    }
    QStringList stored;
    for (const QString &name : favorites)
        stored.append(home(name));
    QCOMPARE(f.state().favorites().folders(), stored);
    QCOMPARE(f.preferences.stringListValue(Pref::customFavorites), stored);
    const QStringList texts = rowTexts(view);
    const qsizetype mine = texts.indexOf(QStringLiteral("Meine Favoriten"));
    const QStringList expectedRows =
        favorites.isEmpty() ? QStringList{QStringLiteral("Ordner hierher ziehen")} : favorites;
    QCOMPARE(texts.mid(mine + 1, expectedRows.size()), expectedRows);
    QCOMPARE(texts.contains(QStringLiteral("Ordner hierher ziehen")), favorites.isEmpty());
}

void SidebarTest::favoriteMenu_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("favorites"); // the stored order afterwards
    QTest::addColumn<QStringList>("rows");      // the section's rows afterwards
    const QString a = QStringLiteral("Projekte"), b = QStringLiteral("Fotos"),
                  c = QStringLiteral("Musik");
    QTest::newRow("up") << b << QStringLiteral("Nach oben") << QStringList{b, a, c}
                        << QStringList{b, a, c};
    QTest::newRow("down") << b << QStringLiteral("Nach unten") << QStringList{a, c, b}
                          << QStringList{a, c, b};
    QTest::newRow("remove") << b << QStringLiteral("Aus Favoriten entfernen") << QStringList{a, c}
                            << QStringList{a, c};
    QTest::newRow("rename") << b << QStringLiteral("Umbenennen …") << QStringList{a, b, c}
                            << QStringList{a, QStringLiteral("Urlaub"), c};
}

void SidebarTest::favoriteMenu()
{
    QFETCH(QString, entry);
    QFETCH(QString, action);
    QFETCH(QStringList, favorites);
    QFETCH(QStringList, rows);
    ControllerFixture f;
    BivaneState &state = f.state();
    state.favorites().add({home(QStringLiteral("Projekte")),
                           home(QStringLiteral("Fotos")),
                           home(QStringLiteral("Musik"))});
    SidebarView view(state, state.left());
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    chooseFromMenu(view, entry, action);
    if (!f.window.questions.isEmpty()) {
        QCOMPARE(f.window.questions.last().fieldText, entry);
        state.finishQuestion({Question::kConfirm, QStringLiteral("Urlaub")});
    }

    QStringList stored;
    for (const QString &name : favorites)
        stored.append(home(name));
    QCOMPARE(f.preferences.stringListValue(Pref::customFavorites), stored);
    const QStringList texts = rowTexts(view);
    QCOMPARE(texts.mid(texts.indexOf(QStringLiteral("Meine Favoriten")) + 1, rows.size() + 1),
             rows + QStringList{QStringLiteral("Orte")});
}

// Each handle grows its sidebar away from the pane, within 110 to 340, and the next start
// finds the widths again.
void SidebarTest::widthSurvivesRestart()
{
    ControllerFixture f;
    {
        MainWindow window(f.state());
        showAt(window, {1600, 900}); // room for both sidebars at their widest
        QList<SidebarResizeHandle *> handles = window.findChildren<SidebarResizeHandle *>();
        QCOMPARE(handles.size(), 2);
        std::sort(handles.begin(), handles.end(), [](QWidget *one, QWidget *other) {
            return one->mapToGlobal(QPoint()).x() < other->mapToGlobal(QPoint()).x();
        });
        drag(*handles[0], 500);
        QCOMPARE(f.state().left().sidebarWidth(), 340.0);
        drag(*handles[0], -60);
        QCOMPARE(f.state().left().sidebarWidth(), 280.0);
        drag(*handles[1], -40);
        QCOMPARE(f.state().right().sidebarWidth(), 210.0);
        drag(*handles[1], 400);
        QCOMPARE(f.state().right().sidebarWidth(), 110.0);
        drag(*handles[1], -20);
        QCOMPARE(f.state().right().sidebarWidth(), 130.0);
        for (SidebarView *sidebar : window.findChildren<SidebarView *>())
            QTRY_COMPARE(sidebar->width(), sidebar->zone() == FocusZone::leftSidebar ? 280 : 130);
    }

    Preferences preferences(f.config.root());
    ShortcutStore shortcuts(preferences);
    BivaneState restarted(preferences, shortcuts, f.desktop);
    MainWindow window(restarted);
    showAt(window, {1600, 900});
    QCOMPARE(restarted.left().sidebarWidth(), 280.0);
    QCOMPARE(restarted.right().sidebarWidth(), 130.0);
    for (SidebarView *sidebar : window.findChildren<SidebarView *>())
        QTRY_COMPARE(sidebar->width(), sidebar->zone() == FocusZone::leftSidebar ? 280 : 130);
}

void SidebarTest::textsReadableInEveryTheme_data()
{
    addThemePresetRows();
}

// Titles, entries and the drop hint stand out from their background in every theme, from the
// start and after the theme changed while the window is open.
void SidebarTest::textsReadableInEveryTheme()
{
    QFETCH(QString, preset);
    ControllerFixture f;
    f.preferences.setValue(Pref::themePreset, preset);
    MainWindow window(f.state());
    window.resize(1200, 700);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *sidebar = window.findChild<SidebarView *>();
    QVERIFY(sidebar && sidebar->isVisible());
    QVERIFY(rowNamed(*sidebar, QStringLiteral("Ordner hierher ziehen")).isValid());
    requireReadableRows(*sidebar, preset, preset == rawValue(ThemePreset::system));
    if (QTest::currentTestFailed())
        return;

    for (ThemePreset other : allThemePresets()) {
        f.preferences.setValue(Pref::themePreset, rawValue(other));
        QCoreApplication::processEvents();
        requireReadableRows(*sidebar,
                            preset + QStringLiteral(" → ") + rawValue(other),
                            other == ThemePreset::system);
        if (QTest::currentTestFailed())
            return;
    }
}

BIVANE_GUI_TEST_MAIN(SidebarTest)
#include "tst_sidebar.moc"
