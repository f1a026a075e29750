#pragma once

// What Qt says on its own while the answer sheet is drawn, held back: a remark such
// as "XDG_RUNTIME_DIR not set", which Qt makes wherever there is no login session (a
// cron job, su, some ssh sessions), is no concern of someone who gets the sheet. The
// remarks are said when the command fails, after its own reason.

#include <QtMessageHandler>

namespace velmora::cli {

class QtMessageHold {
public:
    QtMessageHold();
    ~QtMessageHold();
    QtMessageHold(const QtMessageHold&) = delete;
    QtMessageHold& operator=(const QtMessageHold&) = delete;

    // The command succeeded: what Qt said on the way, and says from now on, is dropped.
    void drop();

private:
    QtMessageHandler m_previous = nullptr;
};

} // namespace velmora::cli
