#include "ui/text_fit.h"

#include <QObject>
#include <QTest>

using namespace velmora::ui;

class TextFitTest : public QObject {
    Q_OBJECT
private slots:
    void picksTheLargestSizeThatFits_data();
    void picksTheLargestSizeThatFits();
};

// What fits is up to the caller; here, every size up to `limit`.
void TextFitTest::picksTheLargestSizeThatFits_data() {
    QTest::addColumn<qreal>("start");
    QTest::addColumn<qreal>("limit");
    QTest::addColumn<qreal>("chosen");

    QTest::newRow("fits as it is") << 9.0 << 12.0 << 9.0;
    QTest::newRow("exactly on a step") << 12.0 << 9.25 << 9.25;
    QTest::newRow("between two steps") << 12.0 << 9.3 << 9.25;
    QTest::newRow("just below the start") << 10.5 << 10.4 << 10.25;
    QTest::newRow("the smallest") << 12.0 << 5.1 << 5.0;
    QTest::newRow("nothing fits: the smallest") << 12.0 << 3.0 << 5.0;
}

// The size chosen fits, and the next step up no longer does: the largest that fits,
// not merely one that fits.
void TextFitTest::picksTheLargestSizeThatFits() {
    QFETCH(qreal, start);
    QFETCH(qreal, limit);
    QFETCH(qreal, chosen);

    QFont font;
    font.setPointSizeF(start);
    int asked = 0;
    const QFont found = largestFittingFont(font, [&](const QFont& f) {
        ++asked;
        return f.pointSizeF() <= limit;
    });
    QCOMPARE(found.pointSizeF(), chosen);
    QVERIFY(asked > 0);
    if (chosen < start && chosen <= limit) {
        QVERIFY(chosen + kFitStepPoints > limit); // one step larger does not fit
    }
}

QTEST_MAIN(TextFitTest)
#include "text_fit_test.moc"
