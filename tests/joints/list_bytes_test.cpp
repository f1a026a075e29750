#include "joints/list_cells.h"

#include <QObject>
#include <QTest>

using namespace velmora;

class ListBytesTest : public QObject {
    Q_OBJECT
private slots:
    void readAs_data();
    void readAs();
};

void ListBytesTest::readAs_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("encoding"); // ListEncoding
    QTest::addColumn<int>("from");
    const int utf8 = int(ListEncoding::Utf8);
    const int gb = int(ListEncoding::Gb18030);
    const int none = int(ListEncoding::Unreadable);
    QTest::newRow("nothing") << QByteArray() << utf8 << 0;
    QTest::newRow("ASCII") << QByteArray("16MnR,20g\n") << utf8 << 0;
    QTest::newRow("Chinese, 4-byte character")
        << QByteArray("\xE7\xAE\xA1\xF0\x9F\x98\x80") << utf8 << 0;
    QTest::newRow("byte-order mark alone") << QByteArray("\xEF\xBB\xBF") << utf8 << 3;
    QTest::newRow("byte-order mark and UTF-8")
        << QByteArray("\xEF\xBB\xBF\xE7\xAE\xA1") << utf8 << 3;
    // B9 DC is 管 in GBK.
    QTest::newRow("GBK") << QByteArray("16MnR,\xB9\xDC") << gb << 0;
    QTest::newRow("byte-order mark and GBK") << QByteArray("\xEF\xBB\xBF\xB9\xDC") << none << 3;
    QTest::newRow("cut short") << QByteArray("16MnR,\xE7\xAE") << gb << 0;
    QTest::newRow("overlong /") << QByteArray("\xC0\xAF") << gb << 0;
    QTest::newRow("overlong 3-byte") << QByteArray("\xE0\x80\xAF") << gb << 0;
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << gb << 0;
    QTest::newRow("past U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << gb << 0;
    QTest::newRow("stray continuation byte") << QByteArray("a\x80") << gb << 0;
}

// What the bytes are read as, and where the text starts: a byte-order mark is never
// part of it, and bytes marked as UTF-8 that are not are not read as anything else.
void ListBytesTest::readAs() {
    QFETCH(QByteArray, file);
    QFETCH(int, encoding);
    QFETCH(int, from);
    const std::string_view bytes(file.constData(), static_cast<std::size_t>(file.size()));
    const ListBytes read = listBytes(bytes);
    QCOMPARE(int(read.encoding), encoding);
    QCOMPARE(read.bytes, bytes.substr(static_cast<std::size_t>(from)));
}

QTEST_GUILESS_MAIN(ListBytesTest)
#include "list_bytes_test.moc"
