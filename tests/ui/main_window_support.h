#pragma once

#include <QDateTime>

// The moment every window's clock shows, whatever the hour and date of the run: the
// year's widest, two-digit month, day and hour, after noon.
inline QDateTime aFixedMoment() {
    return QDateTime(QDate(2026, 12, 28), QTime(12, 58, 58));
}
