#include "catalogue/catalogue.h"
#include "text_support.h"
#include "ui/type_to_find.h"

#include <QKeyEvent>
#include <QObject>
#include <QTest>

#include <array>
#include <chrono>

using namespace velmora;
using namespace std::chrono_literals;

class TypeToFindTest : public QObject {
    Q_OBJECT
private slots:
    void onlyTypingSearches_data();
    void onlyTypingSearches();
};

// Which keys are typing: letters, digits and signs in any form, and Backspace; not
// Space, which ticks the box, nor a key with Ctrl or Alt, which is a shortcut.
void TypeToFindTest::onlyTypingSearches_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("found"); // "-": not a key for the search

    QTest::newRow("a letter") << int(Qt::Key_C) << "c" << int(Qt::NoModifier) << "Cr25";
    QTest::newRow("a capital") << int(Qt::Key_C) << "C" << int(Qt::ShiftModifier) << "Cr25";
    QTest::newRow("a digit") << int(Qt::Key_9) << "9" << int(Qt::KeypadModifier)
                             << "904L(UNS N08904)";
    QTest::newRow("a full-width digit")
        << int(Qt::Key_unknown) << "９" << int(Qt::NoModifier) << "904L(UNS N08904)";
    QTest::newRow("Backspace with nothing typed")
        << int(Qt::Key_Backspace) << "\b" << int(Qt::NoModifier) << "";
    QTest::newRow("Space") << int(Qt::Key_Space) << " " << int(Qt::NoModifier) << "-";
    QTest::newRow("Alt and a letter") << int(Qt::Key_C) << "c" << int(Qt::AltModifier) << "-";
    QTest::newRow("Ctrl and a letter")
        << int(Qt::Key_C) << "\x03" << int(Qt::ControlModifier) << "-";
    QTest::newRow("Ctrl and a letter that keeps its text")
        << int(Qt::Key_C) << "c" << int(Qt::ControlModifier) << "-";
    QTest::newRow("Tab") << int(Qt::Key_Tab) << "\t" << int(Qt::NoModifier) << "-";
    QTest::newRow("Enter") << int(Qt::Key_Return) << "\r" << int(Qt::NoModifier) << "-";
}

void TypeToFindTest::onlyTypingSearches() {
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, modifiers);
    QFETCH(QString, found);

    std::array<const Material*, kMaterialCount> order{};
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = &kMaterials[i];
    }
    ui::TypeToFind typing(order);
    const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
    const auto result = typing.press(event, nullptr, 1000ms);
    if (found == "-") {
        QVERIFY(!result.has_value());
        return;
    }
    QVERIFY(result.has_value());
    QCOMPARE(*result != nullptr ? toQString((*result)->designation) : QString(), found);
}

QTEST_MAIN(TypeToFindTest)
#include "type_to_find_test.moc"
