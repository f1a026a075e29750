#include "catalogue/name_folding.h"

#include <QObject>
#include <QTest>

using namespace velmora;

class NameFoldingTest : public QObject {
    Q_OBJECT
private slots:
    void foldsTheFullWidthFormsAsNfkc();
};

// Every full-width form an input method types (U+FF01 to U+FF5E) and the ideographic
// space fold as Unicode's NFKC folds them, inside a name as well; the forms around
// them are left alone.
void NameFoldingTest::foldsTheFullWidthFormsAsNfkc() {
    QList<char32_t> folded{0x3000};
    for (char32_t c = 0xFF01; c <= 0xFF5E; ++c) {
        folded << c;
    }
    for (const char32_t c : folded) {
        const QString wide = QStringLiteral("a") + QString::fromUcs4(&c, 1) + QStringLiteral("b");
        QCOMPARE(QString::fromStdString(foldFullWidth(wide.toStdString())),
                 wide.normalized(QString::NormalizationForm_KC));
    }
    for (const char32_t c : {char32_t{0xFF00}, char32_t{0xFF5F}, char32_t{0x3001}}) {
        const QString kept = QString::fromUcs4(&c, 1);
        QCOMPARE(QString::fromStdString(foldFullWidth(kept.toStdString())), kept);
    }
}

QTEST_GUILESS_MAIN(NameFoldingTest)
#include "name_folding_test.moc"
