#include "controller/bivanestate.h"
#include "controller/quicklookcontroller.h"
#include "model/panemodel.h"
#include "model/previewcontent.h"
#include "nestedformpdf.h"
#include "platform/pathcodec.h"
#include "platform/preferences.h"
#include "platform/uniquefd.h"
#include "recordingdesktop.h"
#include "shortcuts/shortcutstore.h"
#include "testmain.h"
#include "testtree.h"
#include "ui/mainwindow.h"
#include "ui/previewwindow.h"
#include "unprivileged.h"

#include <QApplication>
#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QDirIterator>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStringEncoder>
#include <QTableView>
#include <QThread>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// A landscape JPEG whose EXIF orientation (6) says it is to be turned a quarter clockwise.
QByteArray turnedJpeg()
{
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    // APP1 with "Exif", a little-endian TIFF header and one IFD entry: Orientation = 6.
    const QByteArray exif = QByteArray::fromHex("ffe10022"
                                                "457869660000"
                                                "49492a0008000000"
                                                "0100"
                                                "120103000100000006000000"
                                                "00000000");
    return jpeg.left(2) + exif + jpeg.mid(2);
}

QByteArray onePagePdf()
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    QPainter painter(&writer);
    painter.drawText(100, 100, QStringLiteral("Seite eins"));
    painter.end();
    return pdf;
}

// Writes `content` into the file at a decoded path, whatever bytes its name has.
bool writeBytes(const QString &path, const QByteArray &content)
{
    const UniqueFd fd(::open(
        PathCodec::encode(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    return fd.isValid() && ::write(fd.get(), content.constData(), content.size()) == content.size();
}

QString shownPage(const PreviewWindow &window)
{
    return window.findChild<QStackedWidget *>()->currentWidget()->objectName();
}

QString childText(const PreviewWindow &window, const char *name)
{
    if (const auto *text = window.findChild<QPlainTextEdit *>(QLatin1String(name)))
        return text->toPlainText();
    const auto *label = window.findChild<QLabel *>(QLatin1String(name));
    return label && label->isVisibleTo(&window) ? label->text() : QString();
}

// The processes this one started whose program name starts with `name`.
QList<pid_t> childProcesses(const QByteArray &name)
{
    QList<pid_t> children;
    QDirIterator processes(QStringLiteral("/proc"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (processes.hasNext()) {
        const QString folder = processes.next();
        QFile stat(folder + QStringLiteral("/stat"));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid …"; the name may hold spaces and parentheses.
        const QByteArray line = stat.readAll();
        const qsizetype nameEnd = line.lastIndexOf(')');
        const QList<QByteArray> after = line.mid(nameEnd + 2).split(' ');
        if (nameEnd > 0 && after.size() > 1 && after[1].toInt() == ::getpid() &&
            line.mid(line.indexOf('(') + 1).startsWith(name))
            children.append(line.left(line.indexOf(' ')).toInt());
    }
    return children;
}

bool processExists(pid_t pid)
{
    return ::kill(pid, 0) == 0;
}

// A preview window on a controller of its own.
struct PreviewFixture
{
    PreviewFixture()
        : preferences(config.root())
        , shortcuts(preferences)
        , controller(shortcuts)
        , window(controller)
    {}

    // Shows `path` and waits until its content is on the screen.
    bool show(const QString &path)
    {
        QSignalSpy loaded(window.findChild<PreviewLoader *>(), &PreviewLoader::loaded);
        controller.replace({path}, path);
        return loaded.wait();
    }

    TestTree config;
    Preferences preferences;
    ShortcutStore shortcuts;
    QuickLookController controller;
    PreviewWindow window;
};

// The preview of the item `arguments[0]`: its kind, whether it has facts, its text and error.
UNPRIVILEGED_OPERATION(previewOf, arguments)
{
    const PreviewContent content = readPreview(arguments.value(0), {});
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << int(content.kind) << content.facts.has_value() << content.text << content.error;
    return bytes;
}

} // namespace

class PreviewTest : public QObject
{
    Q_OBJECT

private slots:
    void showsEachKindOfContent_data();
    void showsEachKindOfContent();
    void followsThePaneAndItsKeys();
    void newerRequestWins();
    void unreadableEntriesShowWhy_data();
    void unreadableEntriesShowWhy();
    void kernelFileShowsWhatItHolds();
#ifdef BIVANE_HAVE_PDF
    void hostilePdfIsBounded();
    void hostilePdfRenderEndsWithThePreview();
#endif
};

void PreviewTest::showsEachKindOfContent_data()
{
    QTest::addColumn<QByteArray>("name"); // raw bytes; empty: a folder with entries
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("text"); // the text shown, or the start of the error line
    QTest::addColumn<QString>("note");

    const QString none;
    const QString textPage = QStringLiteral("previewText");
    const QByteArray umlauts = QStringLiteral("Grüße\n").toUtf8();
    QStringEncoder toUtf16(QStringConverter::Utf16LE);
    QTest::newRow("utf-8") << QByteArray("notes.txt") << umlauts << textPage
                           << QStringLiteral("Grüße\n") << none;
    QTest::newRow("latin-1") << QByteArray("latin.txt")
                             << QByteArray("Gr\xFC\xDF"
                                           "e\n")
                             << textPage << QStringLiteral("Grüße\n") << none;
    QTest::newRow("utf-16") << QByteArray("wide.txt")
                            << QByteArray("\xFF\xFE") + QByteArray(toUtf16(u"Grüße\n")) << textPage
                            << QStringLiteral("Grüße\n") << none;
    QTest::newRow("name not utf-8") << QByteArray("caf\xE9.txt") << QByteArray("hello") << textPage
                                    << QStringLiteral("hello") << none;
    const QByteArray line = QByteArray(63, 'x') + '\n';
    QTest::newRow("cut at 256 KiB")
        << QByteArray("big.txt") << line.repeated(5000) << textPage
        << QString::fromLatin1(line.repeated(4096))
        << QStringLiteral("Nur der Anfang der Datei wird gezeigt (262 KB von 320 KB).");
    QTest::newRow("folder") << QByteArray() << QByteArray() << textPage
                            << QStringLiteral("Zeta\nalpha.txt\nBeta.txt") << none;
    // One line of 2,500 characters is shown as three.
    const QString cut = QStringLiteral("\n\u21AA ");
    QTest::newRow("long line") << QByteArray("line.txt") << QByteArray(2500, 'x') << textPage
                               << QString(1000, u'x') + cut + QString(1000, u'x') + cut +
                                      QString(500, u'x')
                               << none;
    // Binary content shows the facts, never an empty text page.
    const QString facts = QStringLiteral("previewFacts");
    QTest::newRow("binary") << QByteArray("data.txt") << QByteArray("ab\0cd", 5) << facts << none
                            << none;
    QTest::newRow("lone NUL") << QByteArray("zero") << QByteArray(1, '\0') << facts << none << none;
    QTest::newRow("lone 0xFF") << QByteArray("high") << QByteArray("\xFF") << facts << none << none;
    QTest::newRow("control byte") << QByteArray("note.txt") << QByteArray("\x01") << facts << none
                                  << none;
    QTest::newRow("DEL") << QByteArray("del") << QByteArray("\x7F") << facts << none << none;
    QTest::newRow("no encoding fits")
        << QByteArray("odd.txt") << QByteArray("\xC3\x28\xFE\xFF") << facts << none << none;
    QTest::newRow("gone") << QByteArray("gone.txt") << QByteArray()
                          << QStringLiteral("previewFacts")
                          << QStringLiteral("Die Datei kann nicht gelesen werden: ") << none;
    // Opening a pipe would wait for a writer forever.
    QTest::newRow("pipe") << QByteArray("pipe") << QByteArray() << QStringLiteral("previewFacts")
                          << none << none;
    QTest::newRow("turned photo") << QByteArray("photo.jpg") << turnedJpeg()
                                  << QStringLiteral("previewImage") << none << none;
#ifdef BIVANE_HAVE_PDF
    QTest::newRow("pdf") << QByteArray("paper.pdf") << onePagePdf()
                         << QStringLiteral("previewImage") << none << none;
#endif
}

void PreviewTest::showsEachKindOfContent()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, page);
    QFETCH(QString, text);
    QFETCH(QString, note);

    TestTree tree;
    QString path;
    if (name.isEmpty()) {
        path = tree.makeFolder(QStringLiteral("folder"));
        tree.makeFile(QStringLiteral("folder/Beta.txt"));
        tree.makeFile(QStringLiteral("folder/alpha.txt"));
        tree.makeFolder(QStringLiteral("folder/Zeta"));
    } else if (QTest::currentDataTag() == QLatin1String("gone")) {
        path = tree.path(QString::fromLatin1(name));
    } else if (QTest::currentDataTag() == QLatin1String("pipe")) {
        path = tree.path(QString::fromLatin1(name));
        QCOMPARE(::mkfifo(PathCodec::encode(path).constData(), 0644), 0);
    } else {
        path = tree.makeRawFile(name);
        QVERIFY(writeBytes(path, content));
    }

    PreviewFixture preview;
    QVERIFY(preview.show(path));
    QVERIFY(preview.window.isVisible());
    QCOMPARE(shownPage(preview.window), page);
    QCOMPARE(preview.window.windowTitle(),
             PathCodec::displayText(path.section(QLatin1Char('/'), -1)));
    if (page == QLatin1String("previewText"))
        QTRY_COMPARE(childText(preview.window, "previewText"), text);
    if (page == QLatin1String("previewFacts")) {
        QVERIFY(childText(preview.window, "previewError").startsWith(text));
        QCOMPARE(childText(preview.window, "previewError").isEmpty(), text.isEmpty());
    }
    QCOMPARE(childText(preview.window, "previewNote"), note);
    if (page == QLatin1String("previewImage")) {
        // Both the turned photo and the A4 page stand upright.
        const QSize size = preview.window.findChild<QWidget *>(QStringLiteral("previewImage"))
                               ->property("imageSize")
                               .toSize();
        QVERIFY2(size.height() > size.width(),
                 qPrintable(QStringLiteral("%1×%2").arg(size.width()).arg(size.height())));
    }
}

void PreviewTest::followsThePaneAndItsKeys()
{
    const QString downloads = QDir::homePath() + QStringLiteral("/Downloads");
    QDir().mkpath(downloads);
    const QString first = downloads + QStringLiteral("/a.txt");
    const QString second = downloads + QStringLiteral("/b.txt");
    QVERIFY(writeBytes(first, "ay"));
    QVERIFY(writeBytes(second, "bee"));
    TestTree config;
    Preferences preferences(config.root());
    ShortcutStore shortcuts(preferences);
    RecordingDesktop desktop;
    BivaneState state(preferences, shortcuts, desktop);
    MainWindow window(state);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(qobject_cast<QTableView *>(QApplication::focusWidget()));
    QWindow *handle = window.windowHandle();
    auto *preview = window.findChild<PreviewWindow *>();
    QVERIFY(preview);
    const auto shownText = [preview] {
        return childText(*preview, "previewText");
    };

    QTest::keyClick(handle, Qt::Key_Tab); // to the right pane, on Downloads
    QTRY_COMPARE(state.right().selection(), QSet<QString>({first}));
    QTest::keyClick(handle, Qt::Key_Space);
    QTRY_VERIFY(preview->isVisible());
    QTRY_COMPARE(shownText(), QStringLiteral("ay"));
    QCOMPARE(preview->windowTitle(), QStringLiteral("a.txt – 1 von 2"));

    // Down in the pane moves the selection, and the preview follows it.
    QTest::keyClick(handle, Qt::Key_Down);
    QTRY_COMPARE(shownText(), QStringLiteral("bee"));
    QCOMPARE(preview->windowTitle(), QStringLiteral("b.txt – 2 von 2"));

    // The quick-look key again closes it; opened again, the preview's own keys go to the
    // controller: Up pages back, Escape closes.
    QTest::keyClick(handle, Qt::Key_Space);
    QTRY_VERIFY(!preview->isVisible());
    QVERIFY(!state.quickLookController().isVisible());
    QTest::keyClick(handle, Qt::Key_Space);
    QTRY_VERIFY(preview->isVisible());
    QTest::keyClick(preview, Qt::Key_Up);
    QCOMPARE(state.right().selection(), QSet<QString>({first}));
    QTRY_COMPARE(shownText(), QStringLiteral("ay"));
    QTest::keyClick(preview, Qt::Key_Escape);
    QVERIFY(!preview->isVisible());
    QVERIFY(!state.quickLookController().isVisible());

    // Closing it with the window manager tells the controller.
    QTest::keyClick(handle, Qt::Key_Space);
    QTRY_VERIFY(preview->isVisible());
    preview->close();
    QVERIFY(!state.quickLookController().isVisible());
}

void PreviewTest::newerRequestWins()
{
    std::atomic<bool> slowSawCancel = false;
    QList<QString> delivered;
    {
        PreviewLoader loader(nullptr,
                             [&](const QString &path, QSize, const std::atomic<bool> *cancelled) {
                                 PreviewContent content;
                                 content.text = path;
                                 // The slow read only ends when it is told to.
                                 while (path == QLatin1String("slow") && !cancelled->load())
                                     QThread::yieldCurrentThread();
                                 if (path == QLatin1String("slow"))
                                     slowSawCancel = true;
                                 return content;
                             });
        connect(&loader,
                &PreviewLoader::loaded,
                &loader,
                [&](const QString &path, const PreviewContent &c) {
                    QCOMPARE(c.text, path);
                    delivered.append(path);
                });
        QSignalSpy loaded(&loader, &PreviewLoader::loaded);
        loader.request(QStringLiteral("slow"), {});
        loader.request(QStringLiteral("fast"), {});
        QVERIFY(loaded.wait());
        QTRY_VERIFY(slowSawCancel);
    }
    // The loader waited for the slow read; its result, if queued, would arrive now.
    QCoreApplication::processEvents();
    QCOMPARE(delivered, QStringList({QStringLiteral("fast")}));
}

void PreviewTest::unreadableEntriesShowWhy_data()
{
    QTest::addColumn<bool>("isFolder");
    QTest::addColumn<QString>("why");
    QTest::newRow("file") << false << QStringLiteral("Die Datei kann nicht gelesen werden: ");
    QTest::newRow("folder") << true << QStringLiteral("Der Ordner kann nicht gelesen werden: ");
}

// Runs without root, where the permissions deny the read.
void PreviewTest::unreadableEntriesShowWhy()
{
    QFETCH(bool, isFolder);
    QFETCH(QString, why);
    TestTree tree;
    const QString path = isFolder ? tree.makeFolder(QStringLiteral("locked"))
                                  : tree.makeFile(QStringLiteral("locked.txt"), "secret");
    tree.openToEveryone();
    QCOMPARE(::chmod(PathCodec::encode(path).constData(), 0), 0);

    const QByteArray answer = runUnprivileged(previewOf, {path});
    QDataStream in(answer);
    int kind = -1;
    bool hasFacts = false;
    QString text, error;
    in >> kind >> hasFacts >> text >> error;
    QCOMPARE(PreviewKind(kind), PreviewKind::facts);
    QVERIFY(hasFacts);
    QVERIFY(text.isEmpty());
    QVERIFY2(error.startsWith(why) && error.size() > why.size(), qPrintable(error));
}

// Kernel files say they are empty; what they hold is shown all the same.
void PreviewTest::kernelFileShowsWhatItHolds()
{
    const PreviewContent content = readPreview(QStringLiteral("/proc/self/status"), {});
    QCOMPARE(content.kind, PreviewKind::text);
    QVERIFY2(content.text.startsWith(QStringLiteral("Name:")), qPrintable(content.text));
    QVERIFY(content.text.contains(QStringLiteral("\nPid:\t%1\n").arg(::getpid())));
    QVERIFY(!content.isCut);
}

#ifdef BIVANE_HAVE_PDF
// A page that draws forms a billion times is cut short by the limits of its renderer: the
// preview shows why, and neither this process nor the renderer grows without bound.
void PreviewTest::hostilePdfIsBounded()
{
    TestTree tree;
    const QString path = tree.makeFile(QStringLiteral("forms.pdf"), nestedFormPdf());
    rusage before{};
    ::getrusage(RUSAGE_SELF, &before);
    const PreviewContent content = readPreview(path, QSize(800, 800));
    rusage self{}, renderers{};
    ::getrusage(RUSAGE_SELF, &self);
    ::getrusage(RUSAGE_CHILDREN, &renderers);
    qInfo("peak resident size: renderer %ld MB, this process %ld MB (before %ld MB)",
          renderers.ru_maxrss / 1024,
          self.ru_maxrss / 1024,
          before.ru_maxrss / 1024);
    QCOMPARE(content.kind, PreviewKind::facts);
    QCOMPARE(content.error,
             QStringLiteral("Die Datei kann nicht gelesen werden: Die Seite ist zu aufwendig für "
                            "die Vorschau."));
    QVERIFY(childProcesses("bivane-pdf").isEmpty());
}

// Closing the preview kills the renderer of its page; so does destroying the preview, which
// returns only once the renderer is gone.
void PreviewTest::hostilePdfRenderEndsWithThePreview()
{
    TestTree tree;
    const QString path = tree.makeFile(QStringLiteral("forms.pdf"), nestedFormPdf());
    auto preview = std::make_unique<PreviewFixture>();
    preview->controller.replace({path}, path);
    QTRY_COMPARE(childProcesses("bivane-pdf").size(), 1);
    const pid_t closed = childProcesses("bivane-pdf").constFirst();
    preview->window.close();
    QTRY_VERIFY(!processExists(closed));

    preview->controller.replace({path}, path);
    QTRY_COMPARE(childProcesses("bivane-pdf").size(), 1);
    const pid_t destroyed = childProcesses("bivane-pdf").constFirst();
    QElapsedTimer clock;
    clock.start();
    preview.reset();
    qInfo("destroying the preview during the render took %lld ms", clock.elapsed());
    QVERIFY(!processExists(destroyed));
}
#endif

BIVANE_GUI_TEST_MAIN(PreviewTest)
#include "tst_preview.moc"
