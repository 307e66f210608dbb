#include "platform/pathcodec.h"
#include "platform/startlocation.h"
#include "testmain.h"
#include "testtree.h"

#include <QRandomGenerator>

class PathCodecTest : public QObject
{
    Q_OBJECT

private slots:
    void roundTripsEveryByteString_data();
    void roundTripsEveryByteString();
    void roundTripsRandomBytes();
    void decodesValidUtf8AsText();
    void displayShowsReplacementMarks();
    void commandLineKeepsPathsOnly_data();
    void commandLineKeepsPathsOnly();
    void startArgumentsNameFoldersAndFiles_data();
    void startArgumentsNameFoldersAndFiles();
};

void PathCodecTest::roundTripsEveryByteString_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << QByteArray("/tmp/plain name.txt");
    QTest::newRow("utf-8") << QByteArray("/tmp/B\xc3\xa4r \xe2\x82\xac \xf0\x9f\x98\x80");
    QTest::newRow("latin-1 byte") << QByteArray("/tmp/caf\xe9.txt");
    QTest::newRow("lone continuation") << QByteArray("\x80\xbf");
    QTest::newRow("truncated sequence") << QByteArray("a\xe2\x82");
    QTest::newRow("overlong slash") << QByteArray("\xc0\xaf");
    QTest::newRow("encoded surrogate") << QByteArray("\xed\xb2\x80");
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xf4\x90\x80\x80");
    QTest::newRow("all high bytes") << [] {
        QByteArray all;
        for (int b = 0x80; b <= 0xff; ++b)
            all.append(char(b));
        return all;
    }();
    // U+10080 is encoded in UTF-16 with the low surrogate DC80, which also stands for byte 0x80.
    QTest::newRow("U+10080 next to byte 0x80") << QByteArray("\xf0\x90\x82\x80\x80");
    QTest::newRow("newline") << QByteArray("line\nbreak");
}

void PathCodecTest::roundTripsEveryByteString()
{
    QFETCH(QByteArray, bytes);
    QCOMPARE(PathCodec::encode(PathCodec::decode(bytes)), bytes);
}

void PathCodecTest::roundTripsRandomBytes()
{
    QRandomGenerator random(42);
    for (int round = 0; round < 2000; ++round) {
        QByteArray bytes(random.bounded(1, 40), Qt::Uninitialized);
        for (char &b : bytes)
            b = char(random.bounded(1, 256));
        QCOMPARE(PathCodec::encode(PathCodec::decode(bytes)), bytes);
    }
}

void PathCodecTest::decodesValidUtf8AsText()
{
    QCOMPARE(PathCodec::decode(QByteArray("B\xc3\xa4r")), QStringLiteral("Bär"));
    QCOMPARE(PathCodec::encode(QStringLiteral("Bär")), QByteArray("B\xc3\xa4r"));
}

void PathCodecTest::displayShowsReplacementMarks()
{
    const QString decoded = PathCodec::decode(QByteArray("caf\xe9"));
    QCOMPARE(PathCodec::displayText(decoded), QStringLiteral("caf\uFFFD"));
    const QString emoji = QStringLiteral("\U00010080");
    QCOMPARE(PathCodec::displayText(emoji), emoji);
}

void PathCodecTest::commandLineKeepsPathsOnly_data()
{
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<QByteArrayList>("paths");
    QTest::newRow("paths") << QByteArrayList{"/a", "b c"} << QByteArrayList{"/a", "b c"};
    QTest::newRow("own options")
        << QByteArrayList{"--config-dir", "/c", "--quit-after-start", "x", "--config-dir=/d", "y"}
        << QByteArrayList{"x", "y"};
    QTest::newRow("after --") << QByteArrayList{"--", "--quit-after-start", "-v"}
                              << QByteArrayList{"--quit-after-start", "-v"};
    QTest::newRow("bytes kept") << QByteArrayList{"caf\xe9", "-"} << QByteArrayList{"caf\xe9", "-"};
}

void PathCodecTest::commandLineKeepsPathsOnly()
{
    QFETCH(QByteArrayList, arguments);
    QFETCH(QByteArrayList, paths);
    QCOMPARE(StartLocations::positionalArguments(arguments, {"config-dir", "export-icon"}), paths);
}

// "@" in an argument stands for the test folder's bytes; folder and selected file are relative
// to it ("." the folder itself, empty for none).
void PathCodecTest::startArgumentsNameFoldersAndFiles_data()
{
    QTest::addColumn<QByteArray>("argument");
    QTest::addColumn<QByteArray>("folder");
    QTest::addColumn<QByteArray>("selected");
    QTest::newRow("folder") << QByteArray("@/Ordner") << QByteArray("Ordner") << QByteArray();
    QTest::newRow("relative") << QByteArray("Ordner/./") << QByteArray("Ordner") << QByteArray();
    QTest::newRow("file") << QByteArray("@/Ordner/B\xc3\xa4r.txt") << QByteArray("Ordner")
                          << QByteArray("Ordner/B\xc3\xa4r.txt");
    QTest::newRow("link to folder")
        << QByteArray("@/Verweis") << QByteArray("Verweis") << QByteArray();
    QTest::newRow("file uri") << QByteArray("file://@/Ordner/B%C3%A4r.txt") << QByteArray("Ordner")
                              << QByteArray("Ordner/B\xc3\xa4r.txt");
    QTest::newRow("uri of a byte name") << QByteArray("file://localhost@/Ordner/caf%E9")
                                        << QByteArray("Ordner") << QByteArray("Ordner/caf\xe9");
    QTest::newRow("uri without host")
        << QByteArray("FILE:@/Ordner") << QByteArray("Ordner") << QByteArray();
    QTest::newRow("uri of another machine")
        << QByteArray("file://server@/Ordner") << QByteArray() << QByteArray();
    QTest::newRow("missing") << QByteArray("@/Fehlt") << QByteArray() << QByteArray();
}

void PathCodecTest::startArgumentsNameFoldersAndFiles()
{
    QFETCH(QByteArray, argument);
    QFETCH(QByteArray, folder);
    QFETCH(QByteArray, selected);
    const TestTree tree;
    tree.makeFile(QStringLiteral("Ordner/Bär.txt"));
    tree.makeRawFile("Ordner/caf\xe9");
    tree.makeLink(QStringLiteral("Verweis"), tree.path(QStringLiteral("Ordner")));
    const QByteArray root = PathCodec::encode(tree.root());
    const auto inTree = [&](const QByteArray &relative) {
        return relative.isEmpty() ? QString()
               : relative == "."  ? tree.root()
                                  : PathCodec::decode(root + '/' + relative);
    };

    const StartLocation location = StartLocations::locate(argument.replace('@', root), root);
    QCOMPARE(location.folder, inTree(folder));
    QCOMPARE(location.selected, inTree(selected));
    QCOMPARE(location.problem.isEmpty(), !folder.isEmpty());
    if (folder.isEmpty()) // the message names what was asked for
        QVERIFY2(location.problem.contains(PathCodec::displayText(PathCodec::decode(argument))),
                 qPrintable(location.problem));
}

BIVANE_TEST_MAIN(PathCodecTest)
#include "tst_pathcodec.moc"
