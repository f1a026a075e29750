#include "catalogue/catalogue.h"
#include "selection/answer_link.h"
#include "text_support.h"

#include <QObject>
#include <QTest>

using namespace velmora;

class AnswerLinkTest : public QObject {
    Q_OBJECT
private slots:
    void everyMaterialComesBackFromItsLink();
    void linksAsPeopleWriteThem_data();
    void linksAsPeopleWriteThem();
};

// The link of each material and of it with its neighbour names them again; what the
// link leaves unencoded is what encodeURIComponent leaves, so a browser reads it alike.
void AnswerLinkTest::everyMaterialComesBackFromItsLink() {
    for (std::size_t i = 0; i < kMaterials.size(); ++i) {
        const Material& m = kMaterials[i];
        const Material& next = kMaterials[(i + 1) % kMaterials.size()];
        const std::array<std::string_view, 2> pair{m.designation, next.designation};
        const std::string link = linkFor(pair);
        QVERIFY2(link.find_first_not_of("#&%0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqr"
                                        "stuvwxyz-_.!~*'()") == std::string::npos,
                 link.c_str());
        const LinkChoice choice = readLink(link);
        QCOMPARE(choice.problem, std::string());
        QCOMPARE(choice.materials, (std::vector<const Material*>{&m, &next}));
    }
    QCOMPARE(linkFor(std::array<std::string_view, 1>{"10#,20#(管)"}), "#10%23%2C20%23(%E7%AE%A1)");
}

void AnswerLinkTest::linksAsPeopleWriteThem_data() {
    QTest::addColumn<QString>("fragment");
    QTest::addColumn<QString>("materials"); // designations, '|' between
    QTest::addColumn<QString>("readAs");    // '|' between
    QTest::addColumn<QString>("problem");
    const QString none;
    const QString nothing = QStringLiteral("未选择任何材料。");
    QTest::newRow("parts of spaces alone") << "#16MnR&%20&%E3%80%80&%09"
                                           << "16MnR"
                                           << "" << none;
    QTest::newRow("empty parts") << "#16MnR&&304&"
                                 << "16MnR|0Cr18Ni9(304)"
                                 << "|" << none;
    QTest::newRow("no '#'") << "16MnR"
                            << "16MnR"
                            << "" << none;
    QTest::newRow("lower-case hex digits") << "#16%4dnR"
                                           << "16MnR"
                                           << "" << none;
    QTest::newRow("spaces around names") << "#%2016MnR%09&%C2%A0304%20"
                                         << "16MnR|0Cr18Ni9(304)"
                                         << "|" << none;
    QTest::newRow("one material twice") << "#16MnR&16mnr"
                                        << "16MnR"
                                        << "" << none;
    QTest::newRow("a name and its grade") << "#316L&00cr17ni14mo2(316l)"
                                          << "00Cr17Ni14Mo2(316L)"
                                          << "" << none;
    QTest::newRow("names of today's drawings")
        << "#Q345R&s30408"
        << "16MnR|0Cr18Ni9(304)"
        << "Q345R 按 GB/T 713-2008 及以后版本 即 16MnR|S30408 按 GB/T 20878-2007 即 0Cr18Ni9(304)"
        << none;
    QTest::newRow("nothing") << "#&"
                             << ""
                             << "" << none;
    QTest::newRow("three") << "#16MnR&20g&%E3%80%80304"
                           << ""
                           << ""
                           << "这个链接给出的材料多于两种：选择的材料不能超过两种。" + nothing;
    QTest::newRow("refused")
        << "#16MnR&%20Q235"
        << ""
        << ""
        << "这个链接中：“Q235”不能作为目录中的材料：Q235 没有写质量等级，而目录中 "
           "Q235-A(F) 与 Q235-B,C 的推荐焊材不同；请写 Q235A 或 Q235B。可能是："
           "“Q235-A(F)”、“Q235-B,C”。" +
               nothing;
    for (const char* broken : {"#16MnR&%E7%AE", "#%", "#%4", "#%G0", "#%C0%AF", "#%ED%A0%80"}) {
        QTest::newRow(broken) << broken << ""
                              << ""
                              << "这个链接中的材料名编码有误，" + nothing;
    }
}

void AnswerLinkTest::linksAsPeopleWriteThem() {
    QFETCH(QString, fragment);
    QFETCH(QString, materials);
    QFETCH(QString, readAs);
    QFETCH(QString, problem);
    const LinkChoice choice = readLink(fragment.toStdString());
    QStringList chosen;
    for (const Material* m : choice.materials) {
        chosen << toQString(m->designation);
    }
    QStringList read;
    for (const std::string& r : choice.readAs) {
        read << QString::fromStdString(r);
    }
    QCOMPARE(chosen.join('|'), materials);
    QCOMPARE(read.join('|'), readAs);
    QCOMPARE(QString::fromStdString(choice.problem), problem);
}

QTEST_GUILESS_MAIN(AnswerLinkTest)
#include "answer_link_test.moc"
