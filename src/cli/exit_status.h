#pragma once

// How velmora-cli ends: the exit statuses and what each means, written once, for the
// program and for what --help says of them.

#include <QString>

#include <array>

namespace velmora::cli {

enum Status { kDone = 0, kNoRule = 1, kMisuse = 2, kWriteFailed = 3 };

struct StatusMeaning {
    Status status;
    const char* meaning; // UTF-8
};

inline constexpr std::array<StatusMeaning, 4> kStatusMeanings{{
    {kDone, "完成"},
    {kNoRule, "该焊接方法没有这两种材料的规则"},
    {kMisuse, "用法错误"},
    {kWriteFailed, "无法写出结果"},
}};

// "退出状态：0 完成，1 该焊接方法没有这两种材料的规则，2 用法错误，3 无法写出结果。"
inline QString exitStatusText() {
    QString text = QStringLiteral("退出状态：");
    for (const StatusMeaning& s : kStatusMeanings) {
        text +=
            QStringLiteral("%1%2 %3")
                .arg(s.status == kStatusMeanings.front().status ? QString() : QStringLiteral("，"))
                .arg(int(s.status))
                .arg(QString::fromUtf8(s.meaning));
    }
    return text + QStringLiteral("。");
}

} // namespace velmora::cli
