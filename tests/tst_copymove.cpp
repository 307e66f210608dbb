#include "controller/filecommands.h"
#include "controller/transfers.h"
#include "controllerfixture.h"
#include "model/panemodel.h"
#include "platform/filesystem.h"
#include "platform/pathcodec.h"
#include "platform/posixpath.h"
#include "rootonly.h"
#include "testmain.h"
#include "transfer/transferprogress.h"
#include "unprivileged.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QSignalSpy>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Waits until the controller's run has ended.
bool waitForRun(BivaneState &state)
{
    return QTest::qWaitFor([&] { return state.transfers().active() == nullptr; }, 20000);
}

} // namespace

class CopyMoveTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void questionNamesItemsAndTarget();
    void namesStayUnique();
    void itemsNeverGoIntoThemselves_data();
    void itemsNeverGoIntoThemselves();
    void movesWithinTheVolumeAreRenames();
    void oneRunAtATime();
    void failedRunsNameTheFirstFailingItem_data();
    void failedRunsNameTheFirstFailingItem();
    void refusedMovesNameTheRefusingSide();
    void pastingAlwaysCopies();
};

void CopyMoveTest::init()
{
    resetHome();
    QDir().mkpath(home(QStringLiteral("Ziel")));
}

void CopyMoveTest::questionNamesItemsAndTarget()
{
    writeFile(home(QStringLiteral("a.txt")));
    writeFile(home(QStringLiteral("b.txt")));
    writeFile(home(QStringLiteral("c.txt")));
    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    state.right().navigate(home(QStringLiteral("Ziel")));
    state.left().setSelection({home(QStringLiteral("a.txt"))});

    QVERIFY(state.perform(ShortcutAction::copyToOther));
    Question asked = fixture.window.questions.last();
    QCOMPARE(asked.message, QStringLiteral("„a.txt“ kopieren?"));
    QCOMPARE(asked.informativeText, QStringLiteral("Ziel: ~/Ziel"));
    QCOMPARE(asked.confirmTitle, QStringLiteral("Kopieren"));
    QVERIFY(!asked.destructive);
    state.finishQuestion({Question::kCancel, {}}); // Escape
    QVERIFY(!state.transfers().active());
    QVERIFY(namesIn(home(QStringLiteral("Ziel"))).isEmpty());

    state.left().setSelection({home(QStringLiteral("a.txt")),
                               home(QStringLiteral("b.txt")),
                               home(QStringLiteral("c.txt"))});
    QVERIFY(state.perform(ShortcutAction::moveToOther));
    asked = fixture.window.questions.last();
    QCOMPARE(asked.message, QStringLiteral("3 Objekte verschieben?"));
    QCOMPARE(asked.confirmTitle, QStringLiteral("Verschieben"));
    state.finishQuestion({Question::kConfirm, {}}); // Return
    QVERIFY(waitForRun(state));
    QCOMPARE(namesIn(home(QStringLiteral("Ziel"))), QStringList({"a.txt", "b.txt", "c.txt"}));
    QVERIFY(!QFile::exists(home(QStringLiteral("a.txt"))));
    // Both panes show the result.
    QCOMPARE(state.right().items().size(), 3);
}

void CopyMoveTest::namesStayUnique()
{
    writeFile(home(QStringLiteral("x/a.txt")), "x");
    writeFile(home(QStringLiteral("y/a.txt")), "y");
    writeFile(home(QStringLiteral("Ziel/a.txt")), "alt");
    ControllerFixture fixture;
    fixture.preferences.setValue(Pref::confirmCopyMove, false);
    BivaneState &state = fixture.state();
    state.transfers().start({home(QStringLiteral("x/a.txt")), home(QStringLiteral("y/a.txt"))},
                            home(QStringLiteral("Ziel")),
                            TransferKind::copy);
    QVERIFY(waitForRun(state));
    QCOMPARE(namesIn(home(QStringLiteral("Ziel"))), QStringList({"a 2.txt", "a 3.txt", "a.txt"}));

    // Into an empty folder, two equal names become "a.txt" and "a 2.txt".
    QDir().mkpath(home(QStringLiteral("leer")));
    state.transfers().start({home(QStringLiteral("x/a.txt")), home(QStringLiteral("y/a.txt"))},
                            home(QStringLiteral("leer")),
                            TransferKind::copy);
    QVERIFY(waitForRun(state));
    QCOMPARE(namesIn(home(QStringLiteral("leer"))), QStringList({"a 2.txt", "a.txt"}));
    QFile copy(home(QStringLiteral("leer/a 2.txt")));
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), QByteArray("y"));
    // Copying into the item's own folder makes a numbered copy beside it.
    state.transfers().start(
        {home(QStringLiteral("x/a.txt"))}, home(QStringLiteral("x")), TransferKind::copy);
    QVERIFY(waitForRun(state));
    QCOMPARE(namesIn(home(QStringLiteral("x"))), QStringList({"a 2.txt", "a.txt"}));
    QVERIFY(state.errorMessage().isNull());

    // A name of 255 bytes that is taken gets a shortened stem, and the other items go too.
    const QString longName = QString(251, QLatin1Char('l')) + QStringLiteral(".txt");
    writeFile(home(QStringLiteral("x/") + longName), "lang");
    writeFile(home(QStringLiteral("Ziel/") + longName), "alt");
    state.transfers().start(
        {home(QStringLiteral("x/") + longName), home(QStringLiteral("x/a.txt"))},
        home(QStringLiteral("Ziel")),
        TransferKind::copy);
    QVERIFY(waitForRun(state));
    QVERIFY2(state.errorMessage().isNull(), qPrintable(state.errorMessage()));
    const QString shortened = QString(249, QLatin1Char('l')) + QStringLiteral(" 2.txt");
    QCOMPARE(QFileInfo(home(QStringLiteral("Ziel/") + shortened)).size(), 4);
    QVERIFY(QFileInfo::exists(home(QStringLiteral("Ziel/a 4.txt"))));
}

void CopyMoveTest::itemsNeverGoIntoThemselves_data()
{
    QTest::addColumn<QString>("target"); // below the home folder
    QTest::addColumn<bool>("refused");
    QTest::newRow("its own child") << "p/q/r" << true;
    QTest::newRow("a link to it") << "zu-q" << true;
    QTest::newRow("a link to its child") << "zu-r" << true;
    QTest::newRow("its child through a linked parent") << "zu-p/q/r" << true;
    QTest::newRow("a folder whose name merely starts the same") << "p/qr" << false;
}

void CopyMoveTest::itemsNeverGoIntoThemselves()
{
    QFETCH(QString, target);
    QFETCH(bool, refused);
    QDir().mkpath(home(QStringLiteral("p/q/r")));
    QDir().mkpath(home(QStringLiteral("p/qr")));
    writeFile(home(QStringLiteral("p/other.txt")));
    for (const auto &[link, to] : {std::pair{"zu-q", "p/q"}, {"zu-r", "p/q/r"}, {"zu-p", "p"}})
        QVERIFY(QFile::link(home(QLatin1String(to)), home(QLatin1String(link))));
    ControllerFixture fixture;
    fixture.preferences.setValue(Pref::confirmCopyMove, false);
    BivaneState &state = fixture.state();

    // q cannot go into itself, however the target is spelled; the other item still goes.
    for (TransferKind kind : {TransferKind::copy, TransferKind::move}) {
        state.setErrorMessage({});
        state.transfers().start(
            {home(QStringLiteral("p/q")), home(QStringLiteral("p/other.txt"))}, home(target), kind);
        QVERIFY(waitForRun(state));
        QVERIFY(QFileInfo::exists(home(target + QStringLiteral("/other.txt"))));
        if (!refused)
            break; // moved away: nothing left to try
        QCOMPARE(state.errorMessage(),
                 QStringLiteral("„q“ kann nicht in sich selbst abgelegt werden."));
        QVERIFY(!QFileInfo::exists(home(target + QStringLiteral("/q"))));
        QVERIFY(QFile::remove(home(target + QStringLiteral("/other.txt"))));
        writeFile(home(QStringLiteral("p/other.txt")));
    }
    if (!refused) {
        QVERIFY(state.errorMessage().isNull());
        QVERIFY(QFileInfo(home(QStringLiteral("p/qr/q/r"))).isDir());
    }
}

void CopyMoveTest::movesWithinTheVolumeAreRenames()
{
    writeFile(home(QStringLiteral("bleibt.txt")));
    QDir().mkpath(home(QStringLiteral("Ordner/tief")));
    writeFile(home(QStringLiteral("Ordner/tief/datei")), QByteArray(1000, 'd'));
    ControllerFixture fixture;
    fixture.preferences.setValue(Pref::confirmCopyMove, false);
    BivaneState &state = fixture.state();

    // Moving into the folder an item is in: nothing, silently.
    state.transfers().start({home(QStringLiteral("bleibt.txt"))}, home(), TransferKind::move);
    QVERIFY(!state.transfers().active());
    QVERIFY(state.errorMessage().isNull());

    state.transfers().start(
        {home(QStringLiteral("Ordner"))}, home(QStringLiteral("Ziel")), TransferKind::move);
    TransferProgress *progress = state.transfers().active();
    QVERIFY(progress);
    QSignalSpy finished(progress, &TransferProgress::isFinishedChanged);
    QVERIFY(finished.wait(10000) || progress->isFinished());
    QCOMPARE(progress->totalBytes(), 0);
    QCOMPARE(progress->itemsDone(), 1);
    QVERIFY(waitForRun(state));
    QVERIFY(QFileInfo(home(QStringLiteral("Ziel/Ordner/tief/datei"))).exists());
    QVERIFY(!QFileInfo::exists(home(QStringLiteral("Ordner"))));
}

void CopyMoveTest::oneRunAtATime()
{
    writeFile(home(QStringLiteral("gross.bin")), QByteArray(24 * 1024 * 1024, 'g'));
    writeFile(home(QStringLiteral("klein.txt")));
    ControllerFixture fixture;
    fixture.preferences.setValue(Pref::confirmCopyMove, false);
    BivaneState &state = fixture.state();
    state.transfers().start(
        {home(QStringLiteral("gross.bin"))}, home(QStringLiteral("Ziel")), TransferKind::copy);
    QVERIFY(state.transfers().active());
    state.transfers().start(
        {home(QStringLiteral("klein.txt"))}, home(QStringLiteral("Ziel")), TransferKind::copy);
    QCOMPARE(state.errorMessage(),
             QStringLiteral("Es läuft bereits ein Kopier- oder Verschiebevorgang."));
    QVERIFY(waitForRun(state));
    QCOMPARE(namesIn(home(QStringLiteral("Ziel"))), QStringList({"gross.bin"}));
    QCOMPARE(QFileInfo(home(QStringLiteral("Ziel/gross.bin"))).size(), 24 * 1024 * 1024);
}

void CopyMoveTest::failedRunsNameTheFirstFailingItem_data()
{
    // The sources "Baum" (holding "klein" and "sub/gross", 1 MiB) and "Zweiter" go from the
    // home folder, or from the mount, into "~/Ziel": as it is ("plain"), a 256 KiB file system
    // ("full") or one mounted read-only ("read-only").
    QTest::addColumn<TransferKind>("kind");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("source"); // the first source; "Zweiter" follows
    QTest::addColumn<QString>("expected");
    const QString readOnly =
        QStringLiteral("\n\nDas Dateisystem unter „~/Ziel“ ist schreibgeschützt eingehängt; "
                       "dort lässt sich nichts ändern.");
    QTest::newRow("copy of a vanished item")
        << TransferKind::copy << "plain"
        << "weg"
        << QStringLiteral("„weg“ konnte nicht kopiert werden.\n\n~/weg: Datei oder Ordner nicht "
                          "gefunden");
    QTest::newRow("move of a vanished item")
        << TransferKind::move << "plain"
        << "weg"
        << QStringLiteral("„weg“ konnte nicht verschoben werden.\n\n~/weg: Datei oder Ordner "
                          "nicht gefunden");
    QTest::newRow("copy into a full file system")
        << TransferKind::copy << "full"
        << "Baum"
        << QStringLiteral("„Baum“ konnte nicht kopiert werden.\n\n~/Ziel/Baum/sub/gross: Kein "
                          "Platz mehr auf dem Datenträger");
    QTest::newRow("copy into a read-only file system")
        << TransferKind::copy << "read-only"
        << "Baum"
        << QStringLiteral("„Baum“ konnte nicht kopiert werden.\n\n~/Ziel/Baum: "
                          "Schreibgeschütztes Dateisystem") +
               readOnly;
    QTest::newRow("move into a read-only file system")
        << TransferKind::move << "read-only"
        << "Baum"
        << QStringLiteral("„Baum“ konnte nicht verschoben werden.\n\n~/Ziel/Baum: "
                          "Schreibgeschütztes Dateisystem") +
               readOnly;
}

void CopyMoveTest::failedRunsNameTheFirstFailingItem()
{
    QFETCH(TransferKind, kind);
    QFETCH(QString, target);
    QFETCH(QString, source);
    QFETCH(QString, expected);
    if (target != QLatin1String("plain"))
        REQUIRE_ROOT();
    writeFile(home(QStringLiteral("Baum/klein")), "klein");
    writeFile(home(QStringLiteral("Baum/sub/gross")), QByteArray(1024 * 1024, 'g'));
    writeFile(home(QStringLiteral("Zweiter")), "zwei");
    std::optional<TmpfsMount> mount;
    if (target != QLatin1String("plain")) {
        mount.emplace(home(QStringLiteral("Ziel")), "size=256k");
        QVERIFY(mount->isMounted());
    }
    if (target == QLatin1String("read-only"))
        QVERIFY(mount->makeReadOnly());

    ControllerFixture fixture;
    fixture.preferences.setValue(Pref::confirmCopyMove, false);
    BivaneState &state = fixture.state();
    state.transfers().start(
        {home(source), home(QStringLiteral("Zweiter"))}, home(QStringLiteral("Ziel")), kind);
    QVERIFY(waitForRun(state));
    QCOMPARE(state.errorMessage(), expected);
    // The run stopped at the failure: the second item stays where it was.
    QVERIFY(!QFileInfo::exists(home(QStringLiteral("Ziel/Zweiter"))));
    QVERIFY(QFileInfo::exists(home(QStringLiteral("Zweiter"))));
}

void CopyMoveTest::refusedMovesNameTheRefusingSide()
{
    REQUIRE_ROOT();
    writeFile(home(QStringLiteral("offen/a.txt")));
    writeFile(home(QStringLiteral("zu/b.txt")));
    for (const auto &[folder, mode] : {std::pair{"", 0755}, {"offen", 0777}, {"zu", 0555}})
        QVERIFY(::chmod(PathCodec::encode(home(QLatin1String(folder))).constData(), mode) == 0);
    QVERIFY(::chown(PathCodec::encode(home(QStringLiteral("zu"))).constData(), 1, 1) == 0);

    const UnprivilegedScope asNobody;
    // Into the closed folder: the destination refused it.
    const auto into =
        renameNoReplace(home(QStringLiteral("offen/a.txt")), home(QStringLiteral("zu/a.txt")));
    QVERIFY(into);
    QCOMPARE(into->code, EACCES);
    QCOMPARE(into->path, home(QStringLiteral("zu/a.txt")));
    // Out of it: the item could not leave.
    const auto out =
        renameNoReplace(home(QStringLiteral("zu/b.txt")), home(QStringLiteral("offen/b.txt")));
    QVERIFY(out);
    QCOMPARE(out->path, home(QStringLiteral("zu/b.txt")));
}

void CopyMoveTest::pastingAlwaysCopies()
{
    writeFile(home(QStringLiteral("kopier mich.txt")));
    const QByteArray oddBytes = PathCodec::encode(home()) + "/caf\xe9";
    ::close(::open(oddBytes.constData(), O_CREAT | O_WRONLY, 0644));
    ControllerFixture fixture;
    BivaneState &state = fixture.state();
    state.fileCommands().copyFiles(
        {home(QStringLiteral("kopier mich.txt")), PathCodec::decode(oddBytes)});
    state.transfers().paste(state.right());
    QCOMPARE(fixture.window.questions.last().message, QStringLiteral("2 Objekte kopieren?"));
    state.finishQuestion({Question::kConfirm, {}});
    QVERIFY(waitForRun(state));
    QVERIFY(QFile::exists(home(QStringLiteral("Downloads/kopier mich.txt"))));
    QVERIFY(entryExists(PathCodec::decode(PathCodec::encode(home()) + "/Downloads/caf\xe9")));
    QVERIFY(QFile::exists(home(QStringLiteral("kopier mich.txt"))));

    // A file URL of another machine names no file here: refused with a message, nothing asked.
    const auto pasteUrls = [&](const QList<QUrl> &urls) {
        auto *data = new QMimeData;
        data->setUrls(urls);
        QGuiApplication::clipboard()->setMimeData(data);
        state.transfers().paste(state.right());
    };
    const QString local = home(QStringLiteral("kopier mich.txt"));
    const qsizetype before = fixture.window.questions.size();
    pasteUrls({QUrl::fromLocalFile(local), QUrl(QStringLiteral("file://fileserver") + local)});
    QCOMPARE(fixture.window.questions.size(), before);
    QVERIFY2(state.errorMessage().contains(QStringLiteral("fileserver")),
             qPrintable(state.errorMessage()));
    // "localhost" is this machine.
    pasteUrls({QUrl(QStringLiteral("file://localhost") + local)});
    QCOMPARE(fixture.window.questions.last().message,
             QStringLiteral("„kopier mich.txt“ kopieren?"));
    state.finishQuestion({Question::kCancel, {}});

    // Text on the clipboard is no file.
    QGuiApplication::clipboard()->setText(home(QStringLiteral("kopier mich.txt")));
    const qsizetype asked = fixture.window.questions.size();
    state.transfers().paste(state.right());
    QCOMPARE(fixture.window.questions.size(), asked);
}

BIVANE_GUI_TEST_MAIN(CopyMoveTest)
#include "tst_copymove.moc"
