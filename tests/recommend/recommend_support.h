#pragma once

// Outcomes of the rule base as the recommendation tests compare them.

#include "qtext/core_text.h"
#include "recommend/recommend.h"

#include <QMetaType>
#include <QStringList>

#include <variant>

Q_DECLARE_METATYPE(velmora::Process)

// The outcome as one list of texts a failing comparison prints readably.
inline QStringList describe(const velmora::Outcome& outcome) {
    if (const auto* r = std::get_if<velmora::Recommendation>(&outcome)) {
        return {velmora::toQString((*r)[0]), velmora::toQString((*r)[1]),
                velmora::toQString((*r)[2])};
    }
    return {std::holds_alternative<velmora::NotFound>(outcome) ? "<not found>" : "<no entry>"};
}
