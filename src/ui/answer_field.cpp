#include "ui/answer_field.h"

#include "ui/screen_reader.h"

#include <QAccessible>

namespace velmora::ui {
namespace {

// The heading a screen reader gives the three answer fields.
const QString kAnswersHeading = QStringLiteral("焊接材料选择结果");

} // namespace

AnswerField::AnswerField(const QString& holds, QWidget* parent)
    : QLabel(parent)
    , emptyName_(kAnswersHeading + u'：' + holds) {
    clearAnswer();
}

// The field is named by the heading and the field its text begins with; its value is
// the rest.
void AnswerField::setAnswer(const QString& text) {
    setText(text);
    resize(sizeHint());
    const qsizetype colon = text.indexOf(u'：');
    const QString field = colon < 0 ? QString() : text.left(colon);
    setAccessibleName(kAnswersHeading + u' ' + field);
    setAccessibleDescription(colon < 0 ? text : text.mid(colon + 1));
}

void AnswerField::announceAnswer() {
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    announce(changed);
}

void AnswerField::clearAnswer() {
    clear();
    setAccessibleName(emptyName_);
    setAccessibleDescription(QString());
}

} // namespace velmora::ui
