#include "ui/main_window.h"

#include "qtext/core_text.h"
#include "sheet/song_font.h"
#include "ui/app_icon.h"
#include "ui/clock_label.h"
#include "ui/joint_list_opener.h"
#include "ui/main_window_layout.h"
#include "ui/notice_box.h"
#include "ui/results_window.h"
#include "ui/window_font.h"
#include "ui/window_placement.h"
#include "version.h"

#include <QCheckBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace velmora::ui {
namespace {

namespace layout = main_layout;

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
