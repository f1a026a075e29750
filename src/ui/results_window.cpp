#include "ui/results_window.h"

#include "presentation/answer_sheet_text.h"

#include "presentation/notices.h"
#include "presentation/processes.h"
#include "qtext/core_text.h"
#include "selection/selection_model.h"
#include "sheet/song_font.h"
#include "ui/answer_field.h"
#include "ui/app_icon.h"
#include "ui/marked_button.h"
#include "ui/notice_box.h"
#include "ui/results_window_layout.h"
#include "ui/sheet_output.h"
#include "ui/text_fit.h"
#include "ui/whole_frames.h"
#include "ui/window_font.h"
#include "ui/window_placement.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>

#include <algorithm>
#include <vector>

namespace velmora::ui {
namespace {

namespace layout = results_layout;

inline constexpr qreal kLabelPoints = 12.0;

// Text at the top left of its box, as the form's labels have always drawn it.
template <typename Label> Label* placed(Label* l, const char* name, TwipsRect where) {
    l->setObjectName(QLatin1String(name));
    l->setFont(sheet::songFont(kLabelPoints));
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setGeometry(px(where));
    return l;
}

QLabel* heading(QWidget* parent, const char* name, const QString& text, TwipsRect where) {
    return placed(new QLabel(text, parent), name, where);
}

// An answer an engineer copies into a procedure sheet: selectable, and Ctrl+C copies
// a selection. A right-click brings up the window's menu, as anywhere else.
template <typename Label> Label* outputLabel(Label* l, const char* name, TwipsRect where) {
    placed(l, name, where);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    l->setContextMenuPolicy(Qt::NoContextMenu);
    return l;
}

} // namespace

ResultsWindow::ResultsWindow(const SelectionModel& selection, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
    , selection_(selection) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Velmora结果"));
    setWindowIcon(appIcon());
    setFont(sheet::songFont(kWindowFontPoints));
    setFixedSize(px(layout::kClientWidth), px(layout::kClientHeight));

    materialsHeading_ =
        heading(this, "Label2", QStringLiteral("已选材料"), layout::kMaterialsHeading);
    materials_ =
        outputLabel(new BoxLabel(Qt::AlignLeft | Qt::AlignTop, this), "lblcl", layout::kMaterials);

    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const Process process = kProcessNames[i].process;
        auto* button = new MarkedButton(toQString(kProcessNames[i].caption), this);
        button->setObjectName(QLatin1String(layout::kButtons[i].name));
        button->setGeometry(px(layout::kButtons[i].where));
        button->setCheckable(true);
        button->setAutoDefault(true); // Enter presses the focused button, as Space does
        connect(button, &QPushButton::clicked, this, [this, process] { runProcess(process); });
        buttons_[i] = button;
    }

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setGeometry(0, px(layout::kLineTop), px(layout::kLineLength), 1);

    classification_ = outputLabel(new AnswerField(QStringLiteral("型号"), this), "lblhtxh",
                                  layout::kClassification);
    heading(this, "Label3", QStringLiteral("焊接材料"), layout::kMaterialHeading);
    brand_ = outputLabel(new AnswerField(QStringLiteral("牌号"), this), "lblhtph", layout::kBrand);
    heading(this, "Label4", QStringLiteral("选择结果"), layout::kResultHeading);
    gas_ = outputLabel(new AnswerField(QStringLiteral("保护气体"), this), "lblqtlx", layout::kGas);
    sheetOutput_ = new SheetOutput(selection_, this);
    sheetOutput_->setObjectName(QStringLiteral("sheetOutput"));
    buildActions();
    fitFontsToTheLayout();
}

ResultsWindow::~ResultsWindow() = default;

// Copy, print, preview and export, by shortcut or from the right-click menu.
void ResultsWindow::buildActions() {
    const auto add = [this](const char* name, const QString& text, const QKeySequence& keys) {
        auto* action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(keys);
        QWidget::addAction(action);
        return action;
    };
    copy_ = add("copyAnswer", QStringLiteral("复制结果"), QKeySequence::Copy);
    connect(copy_, &QAction::triggered, this, &ResultsWindow::copyAnswer);
    copy_->setEnabled(false);
    connect(add("printSheet", QStringLiteral("打印…"), QKeySequence::Print), &QAction::triggered,
            sheetOutput_, &SheetOutput::print);
    connect(add("previewSheet", QStringLiteral("打印预览…"), QKeySequence("Ctrl+Shift+P")),
            &QAction::triggered, sheetOutput_, &SheetOutput::preview);
    connect(add("exportSheet", QStringLiteral("导出 PDF…"),
                QKeySequence(QStringLiteral("Ctrl+Shift+S"))),
            &QAction::triggered, sheetOutput_, &SheetOutput::exportPdf);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

// Where the face drawn is wider or taller than the Song face the layout was measured
// for (a stand-in, a substitute, an odd DPI), the button font shrinks until the captions
// fit on their two lines, and the labels' font until the headings fit and each row of
// text stays clear of the next. The Song face fits as laid out.
void ResultsWindow::fitFontsToTheLayout() {
    std::vector<TextRoom> texts;
    for (const QPushButton* b : buttons_) {
        texts.push_back(captionRoom(b, true));
    }
    setFont(largestFittingFont(font(), texts));

    // Each row of text ends above the next: the materials box above the buttons, each
    // answer above the next answer, the last inside the window.
    const std::array<const QLabel*, 4> rows{materials_, classification_, brand_, gas_};
    const std::array<int, 4> rowEnds{buttons_[0]->y(), brand_->y(), gas_->y(), height()};
    const QList<QLabel*> labels = findChildren<QLabel*>();
    fitLabelsFont(labels, [&] {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i]->y() + rows[i]->sizeHint().height() > rowEnds[i]) {
                return false;
            }
        }
        return std::all_of(labels.begin(), labels.end(), [](const QLabel* l) {
            return l->text().isEmpty() || fitsItsRoom(l->font(), captionRoom(l));
        });
    });
}

void ResultsWindow::open(const QString& materialsLine, const QWidget* over) {
    anchor_ = over;
    // The window is used again and again: each visit starts from the laid-out form,
    // with no field written and no control holding the focus.
    setFixedSize(px(layout::kClientWidth), px(layout::kClientHeight));
    materials_->setGeometry(px(layout::kMaterials));
    classification_->setGeometry(px(layout::kClassification));
    brand_->setGeometry(px(layout::kBrand));
    gas_->setGeometry(px(layout::kGas));
    if (QWidget* focused = focusWidget()) {
        focused->clearFocus();
    }
    markAnswered(std::nullopt);
    materials_->setText(materialsLine); // keeps its left and top, takes the text's size
    materials_->resize(materials_->sizeHint());
    materials_->setAccessibleName(materialsLine.trimmed());
    fitWidthToMaterialsLine();
    // Sized and placed before it is shown, so it appears where it stays. The frame the
    // placement centres is known once the window exists.
    create();
    placeOverAnchor();
    show();
}

void ResultsWindow::placeOverAnchor() {
    if (anchor_ != nullptr) {
        centreOver(this, anchor_);
    } else {
        centreOnScreen(this);
    }
}

// Only a materials line wider than lblhtxh's laid-out 4560 twips widens the window.
// The left edge stays.
void ResultsWindow::fitWidthToMaterialsLine() {
    const int outer = toTwips(materialsHeading_->width()) +
                      std::max(toTwips(materials_->width()), toTwips(classification_->width())) +
                      layout::kWidthBeyondTheLines;
    setFixedWidth(px(outer - layout::kBorders));
}

void ResultsWindow::runProcess(Process process) {
    const auto [slot1, slot2] = selection_.slotTexts();
    const Outcome outcome = recommend(process, slot1, slot2);
    if (const auto* texts = std::get_if<Recommendation>(&outcome)) {
        write(process, *texts);
        markAnswered(process);
    } else if (std::holds_alternative<NotFound>(outcome)) {
        openNotice(this, kNotFoundNotice);
    } else {
        openNotice(this, kNoEntryNotice);
    }
}

void ResultsWindow::write(Process process, const Recommendation& texts) {
    const std::array<AnswerField*, 3> fields{classification_, brand_, gas_};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        fields[i]->setAnswer(toQString(texts[i]));
    }
    for (AnswerField* field : fields) {
        field->announceAnswer();
    }
    shown_ = process;
    shownTexts_ = texts;
    copy_->setEnabled(true);
    widenToShowOutputs();
}

QString ResultsWindow::answerText() const {
    if (!shown_) {
        return {};
    }
    return toQString(copiedAnswer(materials_->text().toStdString(), *shown_, shownTexts_));
}

// A part of one field that the user has selected is what they mean to copy;
// otherwise the whole answer.
void ResultsWindow::copyAnswer() {
    const auto* field = qobject_cast<const QLabel*>(focusWidget());
    if (field != nullptr && field->hasSelectedText()) {
        QGuiApplication::clipboard()->setText(field->selectedText());
    } else if (shown_) {
        QGuiApplication::clipboard()->setText(answerText());
    }
}

// Exactly the answered process's button is down; none before the first answer.
void ResultsWindow::markAnswered(std::optional<Process> process) {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i]->setChecked(process == kProcessNames[i].process);
    }
}

// A recommendation is never shown cut off: the window grows (never shrinks) until
// the longest output ends inside its right edge by the margin.
void ResultsWindow::widenToShowOutputs() {
    int right = 0;
    for (const QLabel* l : {classification_, brand_, gas_}) {
        right = std::max(right, l->geometry().right() + 1);
    }
    const int needed = right + px(layout::kOutputMargin);
    if (needed > width()) {
        setFixedWidth(needed);
        placeOverAnchor();
    }
}

void ResultsWindow::closeEvent(QCloseEvent* event) {
    // A notice still up goes with the window rather than staying over the main window.
    if (QMessageBox* notice = openNoticeOf(this)) {
        notice->done(QMessageBox::Ok);
    }
    materials_->clear();
    materials_->setAccessibleName(QString());
    for (AnswerField* field : {classification_, brand_, gas_}) {
        field->clearAnswer();
    }
    shown_.reset();
    copy_->setEnabled(false);
    markAnswered(std::nullopt);
    emit closed();
    event->accept();
}

// Escape leaves the window as its close box does.
void ResultsWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace velmora::ui
