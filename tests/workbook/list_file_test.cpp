#include "workbook/list_file.h"

#include <QObject>
#include <QTest>

using velmora::workbook::decodeText;

class InputTextTest : public QObject {
    Q_OBJECT
private slots:
    void decodes_data();
    void decodes();
};

void InputTextTest::decodes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QString>("text");

    // B9 DC is 管 in GBK; E7 AE A1 in UTF-8.
    QTest::newRow("UTF-8") << QByteArray("16MnR,\xE7\xAE\xA1") << true << "16MnR,管";
    QTest::newRow("UTF-8 with its byte-order mark")
        << QByteArray("\xEF\xBB\xBF\xE7\xAE\xA1") << true << "管";
    QTest::newRow("GBK") << QByteArray("16MnR,\xB9\xDC") << true << "16MnR,管";
    QTest::newRow("nothing") << QByteArray() << true << "";
    QTest::newRow("a byte-order mark before bytes that are not UTF-8")
        << QByteArray("\xEF\xBB\xBF\xB9\xDC") << false << "";
    QTest::newRow("UTF-8 cut short, no GB18030 either") << QByteArray("16MnR,\xE7") << false << "";
    QTest::newRow("neither") << QByteArray("\xFF\xFE\x31") << false << "";
}

void InputTextTest::decodes() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, read);
    QFETCH(QString, text);

    const std::optional<QString> decoded = decodeText(bytes);
    QCOMPARE(decoded.has_value(), read);
    QCOMPARE(decoded.value_or(QString()), text);
}

QTEST_GUILESS_MAIN(InputTextTest)
#include "list_file_test.moc"
