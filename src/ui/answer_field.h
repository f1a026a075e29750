#pragma once

#include <QLabel>

namespace velmora::ui {

// One of the results window's three answer fields (lblhtxh, lblhtph, lblqtlx). It takes
// the size of its text and keeps its left and top. A screen reader hears it by the
// answers' heading and the field its text begins with ("焊条型号：") and is told of each
// new answer; an empty field is named by what it will hold, so that a screen reader
// does not give the three one name.
class AnswerField : public QLabel {
    Q_OBJECT
public:
    // `holds` says what the field will hold: "型号", "牌号" or "保护气体".
    AnswerField(const QString& holds, QWidget* parent);

    // Writes the text and takes its size; the name follows the text.
    void setAnswer(const QString& text);
    // Tells screen readers that the answer changed.
    void announceAnswer();
    // Empties the field and names it by what it will hold.
    void clearAnswer();

private:
    QString emptyName_;
};

} // namespace velmora::ui
