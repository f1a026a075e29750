#pragma once

// A joint list answered in a window, for the engineer who never opens a console: the
// list's rows with their carried cells and answers for one process or all four, the
// lines that name no joint with why, and "另存为…" to a workbook or CSV. Opened from
// the main window (joint_list_opener.h); the list is read as velmora-cli reads it.

#include "joints/joints_table.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace velmora::ui {

class JointListWindow : public QWidget {
    Q_OBJECT
public:
    JointListWindow(const QString& fileName, JointList list, QWidget* parent = nullptr);

    // Writes the answers on display to `fileName`: a workbook for ".xlsx", else CSV.
    // The file appears whole or not at all; on failure `error` says why.
    bool save(const QString& fileName, QString* error) const;

private:
    void showAnswers();
    void saveAs();

    QString fileName_;
    JointList list_;
    JointsTable shown_;
    QComboBox* process_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* summary_ = nullptr;
    QListWidget* refused_ = nullptr;
    QPushButton* saveAs_ = nullptr;
};

// Reads the list in `fileName` and shows it in a window of its own, or says in a
// notice over `parent` why it cannot be read. The window deletes itself when closed;
// null where none was opened.
JointListWindow* openJointList(QWidget* parent, const QString& fileName);

} // namespace velmora::ui
