#pragma once

#include "catalogue/type_ahead.h"

#include <QFont>

#include <chrono>
#include <optional>
#include <span>

class QKeyEvent;
class QWidget;

namespace velmora::ui {

// The main window's keys for finding a material by typing: letters, digits and signs
// (not Space, which ticks; not with Ctrl or Alt) and Backspace go to TypeAhead, at the
// moment the caller gives (any steady clock of its own, as TypeAhead takes).
class TypeToFind {
public:
    // `order`, the boxes' Tab order, must outlive this object.
    explicit TypeToFind(std::span<const Material* const> order);

    // Nothing when `key` is not one for the search; else the material to move to, null
    // when none starts with what has been typed. `current` is the material with focus.
    std::optional<const Material*> press(const QKeyEvent& key, const Material* current,
                                         std::chrono::milliseconds when);
    // What has been typed, for a moment below `at`, in typedTextFont().
    void showTyped(QWidget* at) const;
    // A face in which "l" and "1", "O" and "0" differ.
    static QFont typedTextFont();

private:
    TypeAhead search_;
};

} // namespace velmora::ui
