#include "pathcodec.h"
#include "testmain.h"

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

BIVANE_TEST_MAIN(PathCodecTest)
#include "tst_pathcodec.moc"
