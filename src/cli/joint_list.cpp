#include "cli/joint_list.h"

#include "catalogue/material_names.h"

#include <QList>
#include <QStringView>

#include <optional>
#include <utility>

namespace velmora::cli {
namespace {

// The cells of a line; nullopt where a quote is left open.
std::optional<QStringList> cellsOf(QStringView line) {
    if (line.contains(QLatin1Char('\t'))) {
        QStringList cells;
        for (QStringView cell : line.split(QLatin1Char('\t'))) {
            cells << cell.toString();
        }
        return cells;
    }
    QStringList cells{QString()};
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        const bool quote = c == QLatin1Char('"');
        if (quote && quoted && i + 1 < line.size() && line[i + 1] == QLatin1Char('"')) {
            cells.back() += c; // "" inside quotes
            ++i;
        } else if (quote && quoted) {
            quoted = false;
        } else if (quote && cells.back().trimmed().isEmpty()) {
            cells.back().clear();
            quoted = true;
        } else if (c == QLatin1Char(',') && !quoted) {
            cells << QString();
        } else {
            cells.back() += c;
        }
    }
    if (quoted) {
        return std::nullopt;
    }
    return cells;
}

// The cells that hold something, trimmed.
QStringList namesIn(const QStringList& cells) {
    QStringList names;
    for (const QString& cell : cells) {
        const QString name = cell.trimmed();
        if (!name.isEmpty()) {
            names << name;
        }
    }
    return names;
}

bool isHeader(const QStringList& names) {
    bool labelled = false;
    for (const QString& name : names) {
        if (lookUpMaterialName(name.toStdString()).material != nullptr) {
            return false;
        }
        labelled = labelled || name.contains(QStringLiteral("材")) ||
                   name.contains(QLatin1String("material"), Qt::CaseInsensitive);
    }
    return labelled;
}

} // namespace

JointList readJointList(const QString& text) {
    JointList list;
    bool first = true;
    int number = 0;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        ++number;
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
        const QStringView trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#'))) {
            continue;
        }
        const std::optional<QStringList> cells = cellsOf(line);
        if (!cells) {
            list.faults.push_back({number, QStringLiteral("引号没有闭合")});
            first = false;
            continue;
        }
        const QStringList names = namesIn(*cells);
        if (names.isEmpty()) {
            continue; // a row of empty cells, as a spreadsheet saves one
        }
        if (std::exchange(first, false) && isHeader(names)) {
            continue;
        }
        const auto joint = jointNamed(names);
        if (const QString* reason = std::get_if<QString>(&joint)) {
            list.faults.push_back({number, *reason});
        } else {
            list.joints.push_back({number, std::get<Joint>(joint)});
        }
    }
    return list;
}

} // namespace velmora::cli
