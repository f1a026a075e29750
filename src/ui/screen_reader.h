#pragma once

// Screen readers hear of a change through an accessibility event. Qt passes events on
// only while an assistive technology listens, so a listener can be installed here as
// well: the tests use it to hear what a screen reader would be told.

#include <functional>

class QAccessibleEvent;

namespace velmora::ui {

using ScreenReaderListener = std::function<void(const QAccessibleEvent&)>;

// Sends `event` to Qt's accessibility framework and to the listener, if one is set.
void announce(QAccessibleEvent& event);

// Replaces the listener; an empty one removes it.
void setScreenReaderListener(ScreenReaderListener listener);

} // namespace velmora::ui
