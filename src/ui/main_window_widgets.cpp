#include "ui/main_window.h"

// The main window's widgets, made where the layout puts them and in the order Tab
// walks them, and the fonts fitted to the room the layout gives them.

#include "qtext/core_text.h"
#include "sheet/song_font.h"
#include "sheet/usage_notice.h"
#include "ui/clock_label.h"
#include "ui/main_window_layout.h"
#include "ui/text_fit.h"
#include "ui/whole_frames.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

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

} // namespace velmora::ui
