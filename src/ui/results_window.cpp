#include "ui/results_window.h"

#include "qtext/core_text.h"
#include "recommend/notices.h"
#include "recommend/processes.h"
#include "selection/selection_model.h"
#include "sheet/answer_sheet.h"
#include "sheet/song_font.h"
#include "ui/app_icon.h"
#include "ui/notice_box.h"
#include "ui/screen_reader.h"
#include "ui/text_fit.h"
#include "ui/twips.h"
#include "ui/whole_frames.h"
#include "ui/window_font.h"
#include "ui/window_placement.h"
#include "ui/wrapping_button.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

#include <algorithm>
#include <vector>

namespace velmora::ui {
namespace {

inline constexpr int kClientWidth = 6045;
inline constexpr int kClientHeight = 2910;
// The laid-out outer width is 6135: the client plus a 45-twip border each side.
inline constexpr int kBorders = 2 * 45;
inline constexpr int kOutputMargin = 120;
inline constexpr qreal kLabelPoints = 12.0;

// The labels that size themselves to their text, as laid out.
inline constexpr TwipsRect kMaterialsRect{1320, 150, 4620, 300};       // lblcl
inline constexpr TwipsRect kClassificationRect{1320, 1440, 4560, 240}; // lblhtxh
inline constexpr TwipsRect kBrandRect{1320, 1920, 120, 240};           // lblhtph
inline constexpr TwipsRect kGasRect{1320, 2445, 120, 240};             // lblqtlx

struct ProcessButton {
    const char* name;
    const char* caption;
    TwipsRect where;
    Process process;
};
constexpr std::array<ProcessButton, 4> kButtons{{
    {"CommandSMAW", "焊条电弧焊(SMAW)", {135, 600, 1095, 495}, Process::Smaw},
    {"CommandMAG", "气体保护焊(MAG)", {1695, 600, 1095, 495}, Process::Mag},
    {"CommandGTAW", "手工氩弧焊(GTAW)", {3255, 600, 1095, 495}, Process::Gtaw},
    {"CommandSAW", "埋弧焊(SAW)", {4815, 600, 1095, 495}, Process::Saw},
}};

// The heading a screen reader gives the three answer fields.
const QString kAnswersHeading = QStringLiteral("焊接材料选择结果");
// Before an answer is written, a field is named by what it will hold, so that a screen
// reader does not give three fields one name.
const std::array<QString, 3> kEmptyFieldNames{kAnswersHeading + QStringLiteral("：型号"),
                                              kAnswersHeading + QStringLiteral("：牌号"),
                                              kAnswersHeading + QStringLiteral("：保护气体")};

// A process button is down while the fields show its answer. Pressing it does not
// toggle it: the window decides, since a notice leaves the mark where it was.
class MarkedButton : public WrappingButton {
public:
    using WrappingButton::WrappingButton;

protected:
    void nextCheckState() override {}
};

// Text at the top left of its box, as the form's labels have always drawn it.
QLabel* label(QWidget* parent, const char* name, const QString& text, TwipsRect where,
              QLabel* l = nullptr) {
    if (l == nullptr) {
        l = new QLabel(parent);
    }
    l->setText(text);
    l->setObjectName(QLatin1String(name));
    l->setFont(sheet::songFont(kLabelPoints));
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setGeometry(px(where));
    return l;
}

// An answer an engineer copies into a procedure sheet: selectable, and Ctrl+C copies
// a selection. A right-click brings up the window's menu, as anywhere else.
QLabel* outputLabel(QWidget* parent, const char* name, TwipsRect where, QLabel* l = nullptr) {
    l = label(parent, name, QString(), where, l);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    l->setContextMenuPolicy(Qt::NoContextMenu);
    return l;
}

sheet::AnswerSheet sheetOf(const SelectionModel& selection) {
    const auto [slot1, slot2] = selection.slotTexts();
    return sheet::answerSheetFor(slot1, slot2, QDateTime::currentDateTime());
}

// A label that sizes itself keeps its left and top and takes the size of its text.
void setTextAndFit(QLabel* l, const QString& text) {
    l->setText(text);
    l->resize(l->sizeHint());
}

// An answer field is named by the heading and the field its text begins with
// ("焊条型号："); its value is the rest. Screen readers are told it changed.
void announceAnswer(QLabel* l, const QString& text) {
    const qsizetype colon = text.indexOf(u'：');
    const QString field = colon < 0 ? QString() : text.left(colon);
    l->setAccessibleName(kAnswersHeading + u' ' + field);
    l->setAccessibleDescription(colon < 0 ? text : text.mid(colon + 1));
    QAccessibleEvent changed(l, QAccessible::NameChanged);
    announce(changed);
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
    setFixedSize(px(kClientWidth), px(kClientHeight));

    materialsHeading_ = label(this, "Label2", QStringLiteral("已选材料"), {120, 165, 1125, 450});
    materials_ = outputLabel(this, "lblcl", kMaterialsRect,
                             new BoxLabel(Qt::AlignLeft | Qt::AlignTop, this));

    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        const ProcessButton& entry = kButtons[i];
        auto* button = new MarkedButton(QString::fromUtf8(entry.caption), this);
        button->setObjectName(QLatin1String(entry.name));
        button->setGeometry(px(entry.where));
        button->setCheckable(true);
        button->setAutoDefault(true); // Enter presses the focused button, as Space does
        const Process process = entry.process;
        connect(button, &QPushButton::clicked, this, [this, process] { runProcess(process); });
        buttons_[i] = button;
    }

    // Reaches x = 11640 twips, past the right edge, so it spans any width the window takes.
    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setGeometry(0, px(1200), px(11640), 1);

    classification_ = outputLabel(this, "lblhtxh", kClassificationRect);
    label(this, "Label3", QStringLiteral("焊接材料"), {120, 1680, 960, 450});
    brand_ = outputLabel(this, "lblhtph", kBrandRect);
    label(this, "Label4", QStringLiteral("选择结果"), {120, 2160, 960, 330});
    gas_ = outputLabel(this, "lblqtlx", kGasRect);
    buildActions();
    nameEmptyFields();

    if (!sheet::songFaceInstalled()) {
        fitFontsToTheLayout();
    }
}
// Copy, print and export, by shortcut or from the right-click menu.
void ResultsWindow::buildActions() {
    const auto add = [this](const char* name, const QString& text, const QKeySequence& keys,
                            void (ResultsWindow::*run)()) {
        auto* action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, run);
        QWidget::addAction(action);
        return action;
    };
    copy_ = add("copyAnswer", QStringLiteral("复制结果"), QKeySequence::Copy,
                &ResultsWindow::copyAnswer);
    copy_->setEnabled(false);
    add("printSheet", QStringLiteral("打印…"), QKeySequence::Print, &ResultsWindow::print);
    add("exportSheet", QStringLiteral("导出 PDF…"), QKeySequence(QStringLiteral("Ctrl+Shift+S")),
        &ResultsWindow::exportPdf);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

ResultsWindow::~ResultsWindow() = default;

// Without the Song face the stand-in is wider and taller: shrink the button font until
// the captions fit on their two lines, and the labels' font until the headings fit
// and each row of text stays clear of the next (the materials box of the buttons).
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
    const auto fits = [&](const QFont& f) {
        for (QLabel* l : labels) {
            l->setFont(f);
        }
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i]->y() + rows[i]->sizeHint().height() > rowEnds[i]) {
                return false;
            }
        }
        return std::all_of(labels.begin(), labels.end(), [&f](const QLabel* l) {
            return l->text().isEmpty() || fitsItsRoom(f, captionRoom(l));
        });
    };
    const QFont labelFont = largestFittingFont(materials_->font(), fits);
    for (QLabel* l : labels) {
        l->setFont(labelFont);
    }
}

void ResultsWindow::open(const QString& materialsLine, const QWidget* over) {
    anchor_ = over;
    // The window is used again and again: each visit starts from the laid-out form,
    // with no field written and no control holding the focus.
    setFixedSize(px(kClientWidth), px(kClientHeight));
    materials_->setGeometry(px(kMaterialsRect));
    classification_->setGeometry(px(kClassificationRect));
    brand_->setGeometry(px(kBrandRect));
    gas_->setGeometry(px(kGasRect));
    if (QWidget* focused = focusWidget()) {
        focused->clearFocus();
    }
    markAnswered(std::nullopt);
    setTextAndFit(materials_, materialsLine);
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

// Outer width = Label2 + the wider of lblcl and lblhtxh + 450 twips; only a materials
// line wider than lblhtxh's laid-out 4560 twips widens the window. The left edge stays.
void ResultsWindow::fitWidthToMaterialsLine() {
    const int outer = toTwips(materialsHeading_->width()) +
                      std::max(toTwips(materials_->width()), toTwips(classification_->width())) +
                      450;
    setFixedWidth(px(outer - kBorders));
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
    const std::array<QLabel*, 3> fields{classification_, brand_, gas_};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        setTextAndFit(fields[i], toQString(texts[i]));
    }
    for (QLabel* field : fields) {
        announceAnswer(field, field->text());
    }
    shown_ = process;
    copy_->setEnabled(true);
    widenToShowOutputs();
}

QString ResultsWindow::answerText() const {
    if (!shown_) {
        return {};
    }
    return QStringList{materials_->text().trimmed(), toQString(processName(*shown_).caption),
                       classification_->text(), brand_->text(), gas_->text()}
        .join(QLatin1Char('\n'));
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

// The dialogs open without an event loop of their own, like the notices; the printer
// stays with the window, so a second print starts from the printer chosen before.
void ResultsWindow::print() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setPageSize(QPageSize(QPageSize::A4));
        printer_->setDocName(QStringLiteral("焊材选用单"));
    }
    auto* dialog = new QPrintDialog(printer_.get(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, qOverload<QPrinter*>(&QPrintDialog::accepted), this,
            [this](QPrinter* printer) { printSheet(*printer); });
    dialog->open();
}

// A printer that cannot be opened, and a job the spooler or the file refuses at the
// end, are said; either way nothing has been printed.
void ResultsWindow::printSheet(QPrinter& printer) {
    QPainter painter;
    bool printed = painter.begin(&printer);
    if (printed) {
        // The printable area in device units, each direction at its own resolution:
        // resolution() is one number, which a 1200 × 600 dpi printer does not have.
        sheet::paintAnswerSheet(painter, QRectF(0, 0, printer.width(), printer.height()),
                                sheetOf(selection_));
        printed = painter.end();
    }
    if (!printed) {
        sayFailure(QStringLiteral("焊材选用单未能打印"));
    }
}

void ResultsWindow::exportPdf() {
    const sheet::AnswerSheet sheet = sheetOf(selection_);
    // A documents folder that does not exist yet would send the dialog to the working
    // directory; the home folder is the better guess.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(folder).isDir()) {
        folder = QDir::homePath();
    }
    const QDir documents(folder);
    auto* dialog =
        new QFileDialog(this, QStringLiteral("导出 PDF"),
                        documents.filePath(sheet::proposedSheetFileName(sheet.materials)),
                        QStringLiteral("PDF 文件 (*.pdf)"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("pdf"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this,
            [this](const QString& file) { exportSheet(file); });
    dialog->open();
}

bool ResultsWindow::exportSheet(const QString& fileName) {
    QString error;
    if (sheet::saveAnswerSheetPdf(fileName, sheetOf(selection_), &error)) {
        return true;
    }
    sayFailure(error);
    return false;
}

void ResultsWindow::sayFailure(const QString& text) {
    const std::string utf8 = text.toStdString();
    openNotice(this, Notice{utf8, "提示"});
}

void ResultsWindow::nameEmptyFields() {
    const std::array<QLabel*, 3> fields{classification_, brand_, gas_};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        fields[i]->setAccessibleName(kEmptyFieldNames[i]);
        fields[i]->setAccessibleDescription(QString());
    }
}

// Exactly the answered process's button is down; none before the first answer.
void ResultsWindow::markAnswered(std::optional<Process> process) {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i]->setChecked(process == kButtons[i].process);
    }
}

// A recommendation is never shown cut off: the window grows (never shrinks) until
// the longest output ends 120 twips inside its right edge.
void ResultsWindow::widenToShowOutputs() {
    int right = 0;
    for (const QLabel* l : {classification_, brand_, gas_}) {
        right = std::max(right, l->geometry().right() + 1);
    }
    const int needed = right + px(kOutputMargin);
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
    for (QLabel* l : {materials_, classification_, brand_, gas_}) {
        l->clear();
    }
    shown_.reset();
    copy_->setEnabled(false);
    materials_->setAccessibleName(QString());
    nameEmptyFields();
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
