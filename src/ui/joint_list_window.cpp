#include "ui/joint_list_window.h"

#include "qtext/core_text.h"
#include "sheet/song_font.h"
#include "ui/app_icon.h"
#include "ui/notice_box.h"
#include "ui/window_font.h"
#include "workbook/list_file.h"
#include "workbook/workbook_file.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QVBoxLayout>

namespace velmora::ui {
namespace {

std::vector<Process> processesChosen(int index) {
    std::vector<Process> processes;
    for (std::size_t p = 0; p < kProcessCount; ++p) {
        if (index == 0 || static_cast<std::size_t>(index) == p + 1) {
            processes.push_back(kProcessNames[p].process);
        }
    }
    return processes;
}

} // namespace

JointListWindow::JointListWindow(const QString& fileName, JointList list, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , fileName_(fileName)
    , list_(std::move(list)) {
    setObjectName(QStringLiteral("jointListWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("焊缝清单 - %1").arg(QFileInfo(fileName).fileName()));
    setWindowIcon(appIcon());
    setFont(sheet::songFont(kWindowFontPoints));

    process_ = new QComboBox(this);
    process_->setObjectName(QStringLiteral("processChoice"));
    process_->setAccessibleName(QStringLiteral("焊接方法"));
    process_->addItem(QStringLiteral("四种焊接方法"));
    for (const ProcessName& p : kProcessNames) {
        process_->addItem(toQString(p.caption));
    }
    auto* processLabel = new QLabel(QStringLiteral("焊接方法(&P)："), this);
    processLabel->setBuddy(process_);

    saveAs_ = new QPushButton(QStringLiteral("另存为(&S)…"), this);
    saveAs_->setObjectName(QStringLiteral("saveAs"));
    saveAs_->setAccessibleName(QStringLiteral("另存为"));
    saveAs_->setShortcut(QKeySequence::Save);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("summary"));
    summary_->setWordWrap(true);

    refused_ = new QListWidget(this);
    refused_->setObjectName(QStringLiteral("refusedLines"));
    refused_->setAccessibleName(QStringLiteral("读不出接头的行"));
    for (const ListFault& fault : list_.faults) {
        refused_->addItem(
            QStringLiteral("第 %1 行：%2").arg(fault.line).arg(toQString(fault.reason)));
    }
    refused_->setVisible(!list_.faults.empty());
    refused_->setMaximumHeight(refused_->sizeHintForRow(0) * 5 + 8);

    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("jointTable"));
    table_->setAccessibleName(QStringLiteral("焊缝清单的答案"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(true);

    auto* top = new QHBoxLayout;
    top->addWidget(processLabel);
    top->addWidget(process_);
    top->addStretch();
    top->addWidget(saveAs_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(summary_);
    layout->addWidget(refused_);
    layout->addWidget(table_, 1);

    connect(process_, &QComboBox::currentIndexChanged, this, &JointListWindow::showAnswers);
    connect(saveAs_, &QPushButton::clicked, this, &JointListWindow::saveAs);
    showAnswers();
    resize(960, 600);
}

void JointListWindow::showAnswers() {
    shown_ = jointsTable(list_, processesChosen(process_->currentIndex()));
    table_->clear();
    table_->setColumnCount(static_cast<int>(shown_.header.size()));
    table_->setRowCount(static_cast<int>(shown_.rows.size()));
    QStringList header;
    for (const std::string& h : shown_.header) {
        header << QString::fromStdString(h);
    }
    table_->setHorizontalHeaderLabels(header);
    QStringList lines;
    for (std::size_t r = 0; r < shown_.rows.size(); ++r) {
        lines << QStringLiteral("第 %1 行").arg(shown_.lines[r]);
        for (std::size_t c = 0; c < shown_.rows[r].size(); ++c) {
            table_->setItem(static_cast<int>(r), static_cast<int>(c),
                            new QTableWidgetItem(QString::fromStdString(shown_.rows[r][c])));
        }
    }
    table_->setVerticalHeaderLabels(lines);
    table_->resizeColumnsToContents();
    table_->resizeRowsToContents();
    // Nothing of the list is left out of what is saved: with a line that names no
    // joint, nothing is saved until the list is mended.
    const bool whole = list_.faults.empty();
    saveAs_->setEnabled(whole);
    summary_->setText(whole ? QStringLiteral("共 %1 行").arg(shown_.rows.size())
                            : QStringLiteral("有 %1 行读不出接头，改好清单后重新打开才能另存：")
                                  .arg(list_.faults.size()));
}

bool JointListWindow::save(const QString& fileName, QString* error) const {
    const bool workbook = fileName.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive);
    const QByteArray bytes =
        workbook ? workbook::workbookOf(shown_) : QByteArray::fromStdString(csvText(shown_));
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

void JointListWindow::saveAs() {
    const QFileInfo source(fileName_);
    const QString chosen = QFileDialog::getSaveFileName(
        this, QStringLiteral("另存为"),
        source.dir().filePath(source.completeBaseName() + QStringLiteral("_焊材答案.xlsx")),
        QStringLiteral("Excel 工作簿 (*.xlsx);;CSV 文件 (*.csv)"));
    QString error;
    if (!chosen.isEmpty() && !save(chosen, &error)) {
        openNotice(this, QStringLiteral("无法保存 %1：%2").arg(chosen, error),
                   QStringLiteral("提示"));
    }
}

JointListWindow* openJointList(QWidget* parent, const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        openNotice(parent, QStringLiteral("无法读取 %1：%2").arg(fileName, file.errorString()),
                   QStringLiteral("提示"));
        return nullptr;
    }
    auto read = workbook::readListFile(file.readAll(), {}, {});
    if (const QString* problem = std::get_if<QString>(&read)) {
        openNotice(parent, QStringLiteral("%1：%2").arg(QFileInfo(fileName).fileName(), *problem),
                   QStringLiteral("提示"));
        return nullptr;
    }
    auto* window = new JointListWindow(fileName, std::get<JointList>(std::move(read)), parent);
    window->show();
    return window;
}

} // namespace velmora::ui
