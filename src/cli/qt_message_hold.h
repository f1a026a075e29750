#pragma once

// What Qt says on its own while the answer sheet is drawn, held back: a remark such
// as "XDG_RUNTIME_DIR not set", which Qt makes wherever there is no login session (a
// cron job, su, some ssh sessions), is no concern of someone who gets the sheet, who
// typed the command wrong or whose disk is full. The remarks are said only where
// they may explain what went wrong: when the sheet could not be drawn.

#include <QtMessageHandler>

namespace velmora::cli {

class QtMessageHold {
public:
    QtMessageHold();
    ~QtMessageHold();
    QtMessageHold(const QtMessageHold&) = delete;
    QtMessageHold& operator=(const QtMessageHold&) = delete;

    // The sheet could not be drawn: what Qt said on the way is said after the reason,
    // when the hold ends. Otherwise it is dropped.
    static void explainFailure();

private:
    QtMessageHandler m_previous = nullptr;
};

} // namespace velmora::cli
