#include "cli/qt_message_hold.h"

#include "cli/stream_output.h"

#include <QString>
#include <QStringList>

#include <cstdio>
#include <mutex>
#include <utility>

namespace velmora::cli {
namespace {

// The handler Qt calls is a plain function, so what it keeps lives here.
struct Held {
    std::mutex mutex;
    QStringList messages;
    bool explains = false;
};

Held& held() {
    static Held h;
    return h;
}

void hold(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const QString line = qFormatLogMessage(type, context, message) + QLatin1Char('\n');
    if (type == QtFatalMsg) {
        // Qt ends the program after this one: it has to be said now.
        writeToStream(stderr, line.toUtf8());
        return;
    }
    Held& h = held();
    const std::lock_guard lock(h.mutex);
    h.messages << line;
}

} // namespace

QtMessageHold::QtMessageHold()
    : m_previous(qInstallMessageHandler(hold)) {}

QtMessageHold::~QtMessageHold() {
    qInstallMessageHandler(m_previous);
    Held& h = held();
    const std::lock_guard lock(h.mutex);
    if (h.explains) {
        for (const QString& message : std::as_const(h.messages)) {
            writeToStream(stderr, message.toUtf8());
        }
    }
    h.messages.clear();
}

void QtMessageHold::explainFailure() {
    Held& h = held();
    const std::lock_guard lock(h.mutex);
    h.explains = true;
}

} // namespace velmora::cli
