#include "cli/joint_list.h"

#include "catalogue/material_names.h"

#include <QList>
#include <QRegularExpression>
#include <QStringView>

#include <algorithm>
#include <optional>
#include <set>

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

// A designation's part before its brackets, and so every name of a material, holds a
// digit (a grade in brackets is one only if it does); so does every known name.
constexpr bool everyNameHoldsADigit() {
    for (const Material& m : kMaterials) {
        if (m.designation.substr(0, m.designation.find('(')).find_first_of("0123456789") ==
            std::string_view::npos) {
            return false;
        }
    }
    for (const KnownName& k : kKnownNames) {
        if (k.name.find_first_of("0123456789") == std::string_view::npos) {
            return false;
        }
    }
    return true;
}
static_assert(everyNameHoldsADigit());

bool namesAMaterial(QStringView text) {
    return materialNamed(text.toString().toStdString()) != nullptr;
}

// A heading of a base material column, in Chinese or English, with or without its
// number: "母材1", "母材 2", "材料一", "Material 1", "base metal B". Not "焊材" or
// "焊接材料": those are consumables.
bool headsMaterials(const QString& cell) {
    static const QRegularExpression heading(
        QStringLiteral("^(母材|材料|材质|基材|钢材|钢号|material|base|base material|base metal|"
                       "parent material|parent metal)\\s*[-_#.]?\\s*([0-9]{1,2}|[一二ab])?$"),
        QRegularExpression::CaseInsensitiveOption);
    return heading.match(cell.normalized(QString::NormalizationForm_KC).trimmed()).hasMatch();
}

// The cells of a line that look like a header without naming a column: "材料名称".
bool labelled(const QStringList& cells) {
    return std::any_of(cells.begin(), cells.end(), [](const QString& cell) {
        return cell.contains(QStringLiteral("材")) ||
               cell.contains(QLatin1String("material"), Qt::CaseInsensitive);
    });
}

// The names a material cell holds: one, or several apart with a full-width or
// ideographic comma where every part names a material ("16MnR，304"). A cell that
// names a material whole stays whole ("Q235-B，C", "15CrMo(G、R)"), and so does one
// that cannot be split into names, to be reported as it is.
QStringList namesIn(const QString& cell) {
    const QString name = cell.trimmed();
    if (name.isEmpty()) {
        return {};
    }
    const auto split = [](const auto& self, QStringView text) -> std::optional<QStringList> {
        if (namesAMaterial(text)) {
            return QStringList{text.trimmed().toString()};
        }
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] != u'，' && text[i] != u'、') {
                continue;
            }
            const QStringView first = text.left(i).trimmed();
            if (!namesAMaterial(first)) {
                continue;
            }
            if (std::optional<QStringList> rest = self(self, text.mid(i + 1).trimmed())) {
                return QStringList{first.toString()} + *rest;
            }
        }
        return std::nullopt;
    };
    return split(split, name).value_or(QStringList{name});
}

// "第 2 格“16MnR”、第 3 格“0Cr18Ni9(304)”"
QString cellsRead(const QList<std::pair<qsizetype, QString>>& cells) {
    QStringList said;
    for (const auto& [column, text] : cells) {
        said << QStringLiteral("第 %1 格“%2”").arg(column + 1).arg(text.trimmed());
    }
    return said.join(QStringLiteral("、"));
}

struct Line {
    int number = 0;
    QStringList cells;
};

// Which columns name materials, and whether the first line is a header.
struct Layout {
    std::optional<std::vector<qsizetype>> materials; // none: every cell
    bool header = false;
    QString fault; // the first line cannot be read as a header asked for
};

Layout layoutOf(const Line& first, const ColumnChoice& choice) {
    const QStringList& cells = first.cells;
    const auto noMaterial = [](const QStringList& texts) {
        return std::none_of(texts.begin(), texts.end(),
                            [](const QString& t) { return namesAMaterial(t.trimmed()); });
    };
    if (!choice.headings.isEmpty()) {
        std::vector<qsizetype> columns;
        for (const QString& wanted : choice.headings) {
            const auto at = std::find_if(cells.begin(), cells.end(), [&](const QString& cell) {
                return cell.trimmed().compare(wanted.trimmed(), Qt::CaseInsensitive) == 0;
            });
            if (at == cells.end()) {
                return {{}, false, QStringLiteral("表头中没有“%1”这一列").arg(wanted)};
            }
            columns.push_back(at - cells.begin());
        }
        return {columns, true, {}};
    }
    if (!choice.numbers.empty()) {
        std::vector<qsizetype> columns;
        QStringList named;
        for (int number : choice.numbers) {
            columns.push_back(number - 1);
            named << cells.value(number - 1);
        }
        // Every name of a material holds a digit; a heading such as "甲" or "A侧" need not.
        const bool digitless =
            std::any_of(named.begin(), named.end(),
                        [](const QString& t) { return !t.trimmed().isEmpty(); }) &&
            std::none_of(named.begin(), named.end(), [](const QString& t) {
                return std::any_of(t.begin(), t.end(), [](QChar c) { return c.isDigit(); });
            });
        const bool header =
            noMaterial(named) && (digitless || labelled(cells) ||
                                  std::any_of(cells.begin(), cells.end(), headsMaterials));
        return {columns, header, {}};
    }
    if (!noMaterial(cells)) {
        return {};
    }
    std::vector<qsizetype> headed;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (headsMaterials(cells[i])) {
            headed.push_back(i);
        }
    }
    if (headed.size() > 2) {
        QList<std::pair<qsizetype, QString>> said;
        for (qsizetype i : headed) {
            said.append({i, cells[i]});
        }
        return {{},
                true,
                QStringLiteral("表头有 %1 列像是材料：%2；请用 --columns 指明哪一两列")
                    .arg(headed.size())
                    .arg(cellsRead(said))};
    }
    if (!headed.empty()) {
        return {headed, true, {}};
    }
    return {{}, labelled(cells), {}};
}

} // namespace

std::optional<ColumnChoice> columnChoice(const QString& text) {
    const QStringList parts = text.split(QRegularExpression(QStringLiteral("[,，]")));
    if (parts.isEmpty() || parts.size() > 2) {
        return std::nullopt;
    }
    ColumnChoice choice;
    for (const QString& part : parts) {
        bool number = false;
        const int n = part.trimmed().toInt(&number);
        if (number) {
            if (n < 1) {
                return std::nullopt;
            }
            choice.numbers.push_back(n);
        } else if (!part.trimmed().isEmpty()) {
            choice.headings << part.trimmed();
        } else {
            return std::nullopt;
        }
    }
    const bool mixed = !choice.numbers.empty() && !choice.headings.isEmpty();
    const bool twice = (choice.numbers.size() == 2 && choice.numbers[0] == choice.numbers[1]) ||
                       (choice.headings.size() == 2 &&
                        choice.headings[0].compare(choice.headings[1], Qt::CaseInsensitive) == 0);
    if (mixed || twice) {
        return std::nullopt;
    }
    return choice;
}

JointList readJointList(const QString& text, const ColumnChoice& choice) {
    JointList list;
    std::vector<Line> lines;
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
        if (std::optional<QStringList> cells = cellsOf(line)) {
            lines.push_back({number, std::move(*cells)});
        } else {
            list.faults.push_back({number, QStringLiteral("引号没有闭合")});
        }
    }
    // A line of empty cells, as a spreadsheet saves one, says nothing about the layout.
    const auto first = std::find_if(lines.begin(), lines.end(), [](const Line& l) {
        return std::any_of(l.cells.begin(), l.cells.end(),
                           [](const QString& c) { return !c.trimmed().isEmpty(); });
    });
    const Layout layout = first != lines.end() ? layoutOf(*first, choice) : Layout{};
    if (!layout.fault.isEmpty()) {
        list.faults.insert(list.faults.begin(), {first->number, layout.fault});
        std::sort(list.faults.begin(), list.faults.end(),
                  [](const auto& a, const auto& b) { return a.line < b.line; });
        return list;
    }

    // The carried columns: every column of the list that is not a material's.
    if (layout.materials) {
        qsizetype width = 0;
        for (const Line& line : lines) {
            width = std::max(width, line.cells.size());
        }
        const std::set<qsizetype> materials(layout.materials->begin(), layout.materials->end());
        for (qsizetype i = 0; i < width; ++i) {
            if (!materials.contains(i)) {
                list.carried.push_back(
                    {static_cast<int>(i + 1),
                     layout.header ? first->cells.value(i).trimmed() : QString()});
            }
        }
    }

    for (auto line = lines.begin(); line != lines.end(); ++line) {
        if (layout.header && line == first) {
            continue;
        }
        QList<std::pair<qsizetype, QString>> cells; // the material cells that hold something
        if (layout.materials) {
            for (qsizetype i : *layout.materials) {
                cells.append({i, line->cells.value(i)});
            }
        } else {
            for (qsizetype i = 0; i < line->cells.size(); ++i) {
                cells.append({i, line->cells[i]});
            }
        }
        cells.removeIf([](const auto& cell) { return cell.second.trimmed().isEmpty(); });
        QStringList names;
        for (const auto& cell : cells) {
            names << namesIn(cell.second);
        }
        if (names.isEmpty()) {
            continue; // no joint on it: a row of empty cells, or a note alone
        }
        if (names.size() > 2) {
            QString reason = QStringLiteral("最多两种材料，这一行读到%1").arg(cellsRead(cells));
            if (!layout.materials) {
                reason += QStringLiteral("；别的列请加表头（如“焊缝编号,母材1,母材2,备注”）或用 "
                                         "--columns 指明材料列");
            }
            list.faults.push_back({line->number, reason});
            continue;
        }
        const auto joint = jointNamed(names);
        if (const QString* reason = std::get_if<QString>(&joint)) {
            list.faults.push_back({line->number, *reason});
            continue;
        }
        QStringList carried;
        for (const JointList::Column& column : list.carried) {
            carried << line->cells.value(column.number - 1);
        }
        list.joints.push_back({line->number, std::get<Joint>(joint), carried});
    }
    std::sort(list.faults.begin(), list.faults.end(),
              [](const auto& a, const auto& b) { return a.line < b.line; });
    return list;
}

} // namespace velmora::cli
