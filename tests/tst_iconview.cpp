#include "controllerfixture.h"
#include "model/panemodel.h"
#include "model/previewcontent.h"
#include "model/thumbnailloader.h"
#include "platform/pathcodec.h"
#include "testmain.h"
#include "ui/paneiconsview.h"
#include "ui/panetablemodel.h"

#include <QApplication>
#include <QImage>
#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>

namespace {

// A picture of one colour, `width` × `height`, as a JPEG file.
void writePicture(const QString &path, int width, int height, const QColor &color = Qt::red)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(color);
    QVERIFY(picture.save(path, "JPG"));
}

// The grid of the left pane of a fresh controller on the home folder, shown on screen.
struct ShownGrid
{
    explicit ShownGrid(QSize size = {600, 400})
        : grid(fixture.state(), fixture.state().left())
    {
        grid.resize(size);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
    }

    PaneModel &pane() { return fixture.state().left(); }
    QModelIndex indexOf(const QString &name)
    {
        const auto *model = static_cast<const PaneTableModel *>(grid.model());
        return model->index(model->rowOf(home(name)), 0);
    }
    QPoint centreOf(const QString &name) { return grid.visualRect(indexOf(name)).center(); }

    ControllerFixture fixture;
    PaneIconsView grid;
};

// The colour at the middle of the cell's picture, as drawn.
QColor pictureColour(ShownGrid &shown, const QString &name)
{
    const QRect cell = shown.grid.visualRect(shown.indexOf(name));
    const QPoint middle(cell.left() + shown.grid.columnWidth() / 2, cell.top() + 4 + 26);
    return shown.grid.viewport()->grab().toImage().pixelColor(middle);
}

bool isRed(const QColor &colour)
{
    return colour.red() > 200 && colour.green() < 60 && colour.blue() < 60;
}

// A 200 × 200 picture in `format`: a checkerboard of two greens for one-bit pictures, else a
// diagonal run through 256 colours (or greys).
QImage pictureIn(QImage::Format format)
{
    QImage picture(200, 200, format == QImage::Format_Mono ? format : QImage::Format_Indexed8);
    QList<QRgb> colours;
    for (int index = 0; index < 256; ++index)
        colours << qRgb(index, 255 - index / 2, (index * 7) % 256);
    if (format == QImage::Format_Mono)
        colours = {qRgb(0, 110, 0), qRgb(60, 230, 60)};
    picture.setColorTable(colours);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(
                x, y, format == QImage::Format_Mono ? (x / 7 + y / 7) % 2 : (x + y) % 256);
    }
    return picture.convertToFormat(format);
}

// The mean difference of the two pictures' colours per channel, 0 … 255.
double colourDifference(const QImage &one, const QImage &other)
{
    const QImage a = one.convertToFormat(QImage::Format_RGB32);
    const QImage b = other.convertToFormat(QImage::Format_RGB32);
    if (a.size() != b.size())
        return 255;
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

} // namespace

class IconViewTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetHome(); }

    void gridFillsTheWidth_data();
    void gridFillsTheWidth();
    void paneSelectionIsShownAndScrolledTo();
    void doubleClickOpens();

    void thumbnailsOfFiles_data();
    void thumbnailsOfFiles();
    void thumbnailHasThePicturesColours_data();
    void thumbnailHasThePicturesColours();
    void thumbnailIsDecodedOnce();
    void pipeIsNeverOpened();
    void newerRequestDropsTheOlder();
    void cellShowsThumbnailOrIcon();
};

void IconViewTest::gridFillsTheWidth_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("narrow") << 150;
    QTest::newRow("pane") << 640;
    QTest::newRow("wide") << 1280;
}

// As many columns of at least 92 as fit with gaps of 8 and a margin of 10; the spare width is
// shared between them.
void IconViewTest::gridFillsTheWidth()
{
    QFETCH(int, width);
    // Enough for a scroll bar, so that the viewport is as wide as the grid's layout.
    for (int number = 0; number < 60; ++number)
        writeFile(home(QStringLiteral("file%1.txt").arg(number, 2, 10, QLatin1Char('0'))));
    ShownGrid shown({width, 400});
    const auto leftOf = [&](int row) {
        return shown.grid.visualRect(shown.grid.model()->index(row, 0)).left();
    };
    QCOMPARE(shown.grid.visualRect(shown.grid.model()->index(0, 0)).topLeft(), QPoint(10, 10));
    int columns = 1;
    while (shown.grid.visualRect(shown.grid.model()->index(columns, 0)).top() == 10)
        ++columns;
    QCOMPARE(columns, shown.grid.columnCount());
    QCOMPARE(leftOf(columns), 10);
    const int columnWidth = shown.grid.columnWidth();
    QVERIFY(columnWidth >= 92);
    for (int column = 1; column < columns; ++column)
        QCOMPARE(leftOf(column), 10 + column * (columnWidth + 8));
    // Beside the last column: the margin, and less than one pixel per column; one more column
    // of the least width would not fit.
    const int viewport = shown.grid.viewport()->width();
    const int right = viewport - (10 + columns * (columnWidth + 8) - 8);
    QVERIFY2(right >= 10 && right < 10 + columns, qPrintable(QString::number(right)));
    QVERIFY(20 + (columns + 1) * 92 + columns * 8 > viewport);
}

void IconViewTest::paneSelectionIsShownAndScrolledTo()
{
    for (int number = 0; number < 60; ++number)
        writeFile(home(QStringLiteral("file%1.txt").arg(number, 2, 10, QLatin1Char('0'))));
    ShownGrid shown({320, 200});
    const QString last = QStringLiteral("file59.txt");
    QVERIFY(!shown.grid.viewport()->rect().intersects(shown.grid.visualRect(shown.indexOf(last))));

    shown.pane().setSelection(inHome({last}));
    QVERIFY(shown.grid.selectionModel()->isSelected(shown.indexOf(last)));
    QTRY_VERIFY(shown.grid.viewport()->rect().contains(shown.grid.visualRect(shown.indexOf(last))));
    shown.pane().reload();
    QVERIFY(shown.grid.selectionModel()->isSelected(shown.indexOf(last)));
}

void IconViewTest::doubleClickOpens()
{
    writeFile(home(QStringLiteral("notes.txt")));
    writeFile(home(QStringLiteral("Work/plan.txt")));
    ShownGrid shown;
    const auto doubleClick = [&](const QString &name) {
        QTest::mouseClick(shown.grid.viewport(), Qt::LeftButton, {}, shown.centreOf(name));
        QTest::mouseDClick(shown.grid.viewport(), Qt::LeftButton, {}, shown.centreOf(name));
    };
    doubleClick("notes.txt");
    QCOMPARE(shown.fixture.desktop.calls,
             QList<DesktopCall>({{DesktopCall::Kind::open, {home("notes.txt")}, {}}}));
    doubleClick("Work");
    QCOMPARE(shown.pane().url(), home("Work"));
    QCOMPARE(shown.pane().selection(), inHome({"Work/plan.txt"}));
}

void IconViewTest::thumbnailsOfFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("picture"); // empty: the file is no picture at all
    QTest::addColumn<QSize>("thumbnail");
    QTest::newRow("landscape") << "wide.jpg" << QSize(400, 200) << QSize(52, 26);
    QTest::newRow("portrait, HiDPI") << "tall.jpeg" << QSize(300, 600) << QSize(52, 104);
    QTest::newRow("small") << "small.JPG" << QSize(20, 10) << QSize(20, 10);
    QTest::newRow("corrupt") << "broken.jpg" << QSize() << QSize();
}

void IconViewTest::thumbnailsOfFiles()
{
    QFETCH(QString, name);
    QFETCH(QSize, picture);
    QFETCH(QSize, thumbnail);
    if (picture.isValid())
        writePicture(home(name), picture.width(), picture.height());
    else
        writeFile(home(name), QByteArray("\xFF\xD8\xFF\xE0") + "not a picture");
    const int pixels = name.startsWith(QStringLiteral("tall")) ? 104 : 52;
    const std::optional<FileItem> item = FileItem::read(home(name));
    QVERIFY(item && ThumbnailLoader::mayHaveThumbnail(*item));
    const ThumbnailKey key = ThumbnailLoader::keyFor(*item, pixels);
    ThumbnailLoader loader;
    QObject requester;
    loader.request(&requester, {key});
    // Decoded elsewhere: the request itself returns before the thumbnail exists.
    QVERIFY(!loader.cached(key));
    QTRY_VERIFY(loader.cached(key));
    if (thumbnail.isValid())
        QCOMPARE(loader.cached(key)->size(), thumbnail);
    else
        QVERIFY(loader.cached(key)->isNull());
    QCOMPARE(loader.decodeCount(), 1);
}

void IconViewTest::thumbnailHasThePicturesColours_data()
{
    QTest::addColumn<int>("formatNumber");
    QTest::newRow("two colours, one bit") << int(QImage::Format_Mono);
    QTest::newRow("256 colours") << int(QImage::Format_Indexed8);
    QTest::newRow("grey") << int(QImage::Format_Grayscale8);
    QTest::newRow("grey, 16 bits") << int(QImage::Format_Grayscale16);
    QTest::newRow("colour, 16 bits") << int(QImage::Format_RGBA64);
}

// The thumbnail and the preview show the colours of the full picture, shrunk.
void IconViewTest::thumbnailHasThePicturesColours()
{
    QFETCH(int, formatNumber);
    const auto format = QImage::Format(formatNumber);
    const QString path = home("picture.png");
    QVERIFY(pictureIn(format).save(path));
    const QImage full(path);
    QCOMPARE(full.format(), format);
    for (const int pixels : {52, 104, 120}) {
        const QImage thumbnail = pixels == 120 ? readPreview(path, QSize(pixels, pixels)).image
                                               : readThumbnail(path, pixels);
        QCOMPARE(thumbnail.size(), QSize(pixels, pixels));
        const QImage expected =
            full.convertToFormat(QImage::Format_RGB32)
                .scaled(thumbnail.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double difference = colourDifference(thumbnail, expected);
        QVERIFY2(difference < 8,
                 qPrintable(QStringLiteral("%1 pixels: %2").arg(pixels).arg(difference)));
    }
}

void IconViewTest::thumbnailIsDecodedOnce()
{
    writePicture(home("one.jpg"), 200, 200);
    writePicture(home("two.jpg"), 200, 200);
    const ThumbnailKey one = ThumbnailLoader::keyFor(*FileItem::read(home("one.jpg")), 52);
    const ThumbnailKey two = ThumbnailLoader::keyFor(*FileItem::read(home("two.jpg")), 52);
    ThumbnailLoader loader;
    QObject first, second;
    loader.request(&first, {one});
    QTRY_VERIFY(loader.cached(one));
    // The second view's request for the same file is served from the cache.
    loader.request(&second, {one, two});
    QTRY_VERIFY(loader.cached(two));
    QCOMPARE(loader.decodeCount(), 2);
}

void IconViewTest::pipeIsNeverOpened()
{
    const QString pipe = home("x.jpg");
    const QByteArray bytes = PathCodec::encode(pipe);
    QCOMPARE(::mkfifo(bytes.constData(), 0600), 0);
    // A writer's open returns only once someone opens the pipe for reading.
    std::atomic<bool> readerCame = false;
    std::thread writer([&] {
        const int fd = ::open(bytes.constData(), O_WRONLY | O_CLOEXEC);
        readerCame = true;
        if (fd >= 0)
            ::close(fd);
    });
    ThumbnailLoader loader;
    QObject requester;
    const ThumbnailKey key{pipe, 1000, {}, 52};
    loader.request(&requester, {key});
    QTRY_VERIFY(loader.cached(key));
    QVERIFY(loader.cached(key)->isNull());
    QVERIFY(!readerCame);
    const int reader = ::open(bytes.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    writer.join();
    ::close(reader);
}

// Rows scrolled away are dropped: only what was already handed to the threads is decoded.
void IconViewTest::newerRequestDropsTheOlder()
{
    QList<ThumbnailKey> scrolledAway;
    for (int number = 0; number < 20; ++number) {
        const QString path = home(QStringLiteral("p%1.jpg").arg(number));
        writePicture(path, 300, 200);
        scrolledAway << ThumbnailLoader::keyFor(*FileItem::read(path), 52);
    }
    writePicture(home("shown.jpg"), 300, 200);
    const ThumbnailKey shown = ThumbnailLoader::keyFor(*FileItem::read(home("shown.jpg")), 52);
    ThumbnailLoader loader;
    QObject view;
    loader.request(&view, scrolledAway);
    loader.request(&view, {shown});
    const auto decodedAway = [&] {
        return std::count_if(scrolledAway.cbegin(), scrolledAway.cend(), [&](const auto &key) {
            return loader.cached(key).has_value();
        });
    };
    QTRY_VERIFY(loader.cached(shown));
    QTRY_COMPARE(decodedAway(), ThumbnailLoader::kDecodesInFlight);
    QCOMPARE(loader.decodeCount(), ThumbnailLoader::kDecodesInFlight + 1);
}

void IconViewTest::cellShowsThumbnailOrIcon()
{
    writePicture(home("red.jpg"), 800, 600);
    writeFile(home("broken.jpg"), "not a picture");
    ShownGrid shown;
    QTRY_VERIFY(isRed(pictureColour(shown, "red.jpg")));
    const std::optional<FileItem> broken = FileItem::read(home("broken.jpg"));
    const ThumbnailKey key = ThumbnailLoader::keyFor(*broken, 52);
    QTRY_VERIFY(ThumbnailLoader::shared().cached(key));
    QVERIFY(!isRed(pictureColour(shown, "broken.jpg")));
}

BIVANE_GUI_TEST_MAIN(IconViewTest)
#include "tst_iconview.moc"
