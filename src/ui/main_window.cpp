#include "ui/main_window.h"

#include "qtext/core_text.h"
#include "sheet/song_font.h"
#include "sheet/usage_notice.h"
#include "ui/app_icon.h"
#include "ui/clock_label.h"
#include "ui/joint_list_opener.h"
#include "ui/main_window_layout.h"
#include "ui/notice_box.h"
#include "ui/results_window.h"
#include "ui/text_fit.h"
#include "ui/whole_frames.h"
#include "ui/window_font.h"
#include "ui/window_placement.h"
#include "version.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <vector>

namespace velmora::ui {
namespace {

namespace layout = main_layout;

const QString kCredits = QStringLiteral("Velmora 项目组");

QLabel* headingLabel(QWidget* parent, const char* name, const QString& text, TwipsRect where) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(px(where));
    label->setAlignment(Qt::AlignCenter);
    label->setFont(sheet::songFont(10.5));
    return label;
}

// The caption's letters stand apart; a screen reader hears them as one word.
QPushButton* pushButton(QWidget* parent, const char* name, const QString& caption,
                        TwipsRect where) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(QString(caption).remove(u' '));
    button->setGeometry(px(where));
    return button;
}

QLabel* slotLabel(QWidget* parent, const char* name, TwipsRect where) {
    auto* label = new BoxLabel(Qt::AlignCenter, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(px(where));
    return label;
}

} // namespace

MainWindow::MainWindow(QWidget* parent, std::function<QDateTime()> now)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , now_(now ? std::move(now) : &QDateTime::currentDateTime) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Velmora V") + toQString(kVersion));
    setWindowIcon(appIcon());
    setFont(sheet::songFont(kWindowFontPoints));
    setFixedSize(px(layout::kClientWidth), px(layout::kClientHeight));

    // Built in focus order, so that Tab walks the groups column by column.
    buildCatalogue();
    buildSideColumn();
    fitFontsToTheLayout();

    clockTimer_ = new QTimer(this);
    clockTimer_->setObjectName(QStringLiteral("Timer1"));
    clockTimer_->setInterval(1000);
    connect(clockTimer_, &QTimer::timeout, this, &MainWindow::refreshClock);
    refreshClock();
    clockTimer_->start();

    new JointListOpener(this);
    centreOnScreen(this);
}

MainWindow::~MainWindow() = default;

ResultsWindow* MainWindow::resultsWindow() const {
    return results_.get();
}

void MainWindow::buildCatalogue() {
    QWidget* previous = nullptr;
    std::size_t placed = 0;
    const auto chain = [&previous](QWidget* w) {
        if (previous != nullptr) {
            setTabOrder(previous, w);
        }
        previous = w;
    };
    for (GroupId id : layout::kFocusOrder) {
        const MaterialGroup& g = group(id);
        auto* frame = new GroupFrame(toQString(g.caption), this);
        frame->setObjectName(layout::frameName(id));
        frame->setGeometry(px(layout::kGroupFrames[static_cast<std::size_t>(id)]));
        frame->setAccessibleName(QStringLiteral("材料组 ") + frame->title());

        auto addBox = [&](const Material& m, QWidget* parentWidget) {
            auto* box = new QCheckBox(toQString(m.designation), parentWidget);
            box->setObjectName(layout::checkBoxName(m));
            box->setGeometry(px(layout::checkBox(m)));
            connect(box, &QCheckBox::toggled, this,
                    [this, &m](bool ticked) { boxToggled(m, ticked); });
            boxes_[static_cast<std::size_t>(m.index - 1)] = box;
            focusOrder_[placed++] = &m;
            chain(box);
            return box;
        };
        for (const Material& m : members(g)) {
            addBox(m, frame);
        }
        // 904L, after the last box of "TG" and over that frame.
        for (const Material& m : kMaterials) {
            if (m.group == id && layout::standsOnWindow(m)) {
                addBox(m, this)->raise();
            }
        }
    }
}

void MainWindow::buildSideColumn() {
    clock_ = new ClockLabel(ClockForm::of(QLocale()), this);
    clock_->setObjectName(QStringLiteral("lblrq"));
    clock_->setGeometry(px(layout::kClock));
    clock_->setAlignment(Qt::AlignCenter);
    // In the locale's own form, which may be longer than the Chinese one it was laid
    // out for ("12/28/2026 12:58:58 PM" on an English Windows).
    clock_->fitFont(sheet::songFont(10.5, true));
    QPalette palette = clock_->palette();
    palette.setColor(QPalette::WindowText, QColor(128, 128, 255));
    clock_->setPalette(palette);

    headings_[0] = headingLabel(this, "Label6", QStringLiteral("软件说明"), layout::kAboutHeading);

    notice_ = new QLabel(sheet::usageNotice(), this);
    notice_->setObjectName(QStringLiteral("Label1"));
    notice_->setGeometry(px(layout::kUsageNotice));
    notice_->setWordWrap(true);
    notice_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    headings_[1] =
        headingLabel(this, "Label4", QStringLiteral("设计及编程"), layout::kCreditsHeading);
    headings_[2] = headingLabel(this, "Label5", kCredits, layout::kCredits);

    // Enter on a focused button presses it, as Space does.
    clear_ = pushButton(this, "cmdqc", QStringLiteral("清 除 选 择"), layout::kClearButton);
    clear_->setAutoDefault(true);
    connect(clear_, &QPushButton::clicked, this, &MainWindow::clearSelection);

    auto* chosen = new GroupFrame(QStringLiteral("已选材料"), this);
    chosen->setObjectName(QStringLiteral("Frame15"));
    chosen->setGeometry(px(layout::kSelectionFrame));
    slot1_ = slotLabel(chosen, "lblcl1", layout::kSlot1);
    slot1_->setAccessibleName(QStringLiteral("已选材料 1"));
    slot2_ = slotLabel(chosen, "lblcl2", layout::kSlot2);
    slot2_->setAccessibleName(QStringLiteral("已选材料 2"));

    // The default button: Enter anywhere else in the window confirms (keyPressEvent).
    confirm_ = pushButton(this, "Command1", QStringLiteral("请 选 择"), layout::kConfirmButton);
    confirm_->setDefault(true);
    connect(confirm_, &QPushButton::clicked, this, &MainWindow::confirmSelection);

    // After 904L, the last box of "TG", come "ZG" and then the buttons.
    const auto zg = members(group(GroupId::ZG));
    setTabOrder(boxOf(kMaterials.back()), boxOf(zg.front()));
    setTabOrder(boxOf(zg.back()), clear_);
    setTabOrder(clear_, confirm_);
}

// Where the face drawn is wider or taller than the Song face the layout was measured
// for (a stand-in, a substitute, an odd DPI), the window font shrinks until every
// caption, slot and notice line fits, and the headings' font until they fit. The Song
// face fits as laid out.
void MainWindow::fitFontsToTheLayout() {
    std::vector<TextRoom> texts;
    for (const QCheckBox* box : boxes_) {
        texts.push_back(captionRoom(box));
    }
    for (const Material& m : kMaterials) {
        texts.push_back({toQString(m.designation), slot1_->contentsRect().size()});
    }
    texts.push_back(captionRoom(clear_));
    texts.push_back(captionRoom(confirm_));
    texts.push_back(captionRoom(notice_));
    setFont(largestFittingFont(font(), texts));

    texts.clear();
    for (const QLabel* heading : headings_) {
        texts.push_back(captionRoom(heading));
    }
    const QFont headingFont = largestFittingFont(headings_[0]->font(), texts);
    for (QLabel* heading : headings_) {
        heading->setFont(headingFont);
    }
}

QCheckBox* MainWindow::boxOf(const Material& m) const {
    return boxes_[static_cast<std::size_t>(m.index - 1)];
}

void MainWindow::boxToggled(const Material& material, bool ticked) {
    if (!ticked) {
        model_.untick(material);
        showModel();
        return;
    }
    const auto result = model_.tick(material);
    if (const auto* refused = std::get_if<SelectionModel::Refused>(&result)) {
        // The box shows ticked until OK, then goes back to what the model says.
        connect(openNotice(this, refused->notice), &QDialog::finished, this,
                &MainWindow::showModel);
        return;
    }
    showModel();
}

void MainWindow::clearSelection() {
    model_.clear();
    showModel();
}

void MainWindow::confirmSelection() {
    const auto result = model_.confirm();
    if (const auto* notice = std::get_if<Notice>(&result)) {
        openNotice(this, *notice);
        return;
    }
    openResults(
        QString::fromStdString(std::get<SelectionModel::OpenResults>(result).materialsLine));
}

void MainWindow::openResults(const QString& materialsLine) {
    hide();
    if (results_ == nullptr) {
        results_ = std::make_unique<ResultsWindow>(model_);
        connect(results_.get(), &ResultsWindow::closed, this, &QWidget::show);
    }
    results_->open(materialsLine, this);
    emit resultsOpened(materialsLine);
}

// Boxes are set from the model with their signals blocked: the model has already
// done what the change would ask of it.
void MainWindow::showModel() {
    for (const Material& m : kMaterials) {
        QCheckBox* box = boxOf(m);
        const QSignalBlocker blocker(box);
        box->setChecked(model_.isTicked(m));
    }
    const auto [slot1, slot2] = model_.slotTexts();
    slot1_->setText(toQString(slot1));
    slot1_->setAccessibleDescription(slot1_->text());
    slot2_->setText(toQString(slot2));
    slot2_->setAccessibleDescription(slot2_->text());
}

// Keys the focused box or button leaves alone come here: Enter confirms, and letters,
// digits and signs (Backspace to take one back) find a material by its name's start.
// While a notice is up, keys go to the notice.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        confirm_->click();
        return;
    }
    if (const auto found = typeToFind_.press(*event, focusedMaterial(), typingClock_())) {
        // Focus moves as it does for Tab, which a screen reader hears, and the box
        // draws its focus frame as after Tab, even when a click moved the focus last.
        if (*found != nullptr) {
            setAttribute(Qt::WA_KeyboardFocusChange);
            boxOf(**found)->setFocus(Qt::OtherFocusReason);
        }
        typeToFind_.showTyped(focusWidget() != nullptr ? focusWidget() : this);
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::setTypingClock(std::function<std::chrono::milliseconds()> clock) {
    typingClock_ = std::move(clock);
}

const Material* MainWindow::focusedMaterial() const {
    for (const Material& m : kMaterials) {
        if (boxOf(m)->hasFocus()) {
            return &m;
        }
    }
    return nullptr;
}

void MainWindow::refreshClock() {
    clock_->showMoment(now_());
}

} // namespace velmora::ui
