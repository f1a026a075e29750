// velmora-cli-man TEMPLATE PAGE: writes velmora-cli's manual page from TEMPLATE, its
// line `.\" COMMANDS` replaced by what `velmora-cli COMMAND --help` says of each
// command. The build runs it, so that what a command does is written once, in the
// program, and the manual page shows it as the program says it.

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/program.h"
#include "cli/stream_output.h"
#include "qtext/qt_translation.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

#include <cstdio>

namespace {

using namespace velmora::cli;

constexpr int kColumns = 78;

QString helpOf(const char* command) {
    QByteArray out;
    QByteArray err;
    captureStandardStreams(&out, &err);
    run({QStringLiteral("velmora-cli"), QString::fromUtf8(command), QStringLiteral("--help")});
    captureStandardStreams(nullptr, nullptr);
    // Every command's help ends its description with the same notes, which the page
    // says once, in its own sections.
    return QString::fromUtf8(out).remove(QStringLiteral("\n\n") + helpNotes());
}

// Columns in a terminal: two for the CJK ideographs, kana, hangul and full-width forms.
int widthOf(char16_t c) {
    const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
                      (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                      (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                      (c >= 0xFFE0 && c <= 0xFFE6);
    return wide ? 2 : 1;
}

qsizetype leadingSpaces(const QString& line) {
    qsizetype n = 0;
    while (n < line.size() && line.at(n) == u' ') {
        ++n;
    }
    return n;
}

// Whether a line may break before `at`: after a space, or beside a wide character, but
// never before a closing mark or after an opening one.
bool mayBreakBefore(const QString& text, qsizetype at) {
    const char16_t c = text.at(at).unicode();
    const char16_t before = text.at(at - 1).unicode();
    if (QStringView(u"，。、；：）》」”’！？").contains(QChar(c)) ||
        QStringView(u"（《「“‘").contains(QChar(before))) {
        return false;
    }
    return before == u' ' || widthOf(c) == 2 || widthOf(before) == 2;
}

// An option's description (or an argument's) in its column: its text starts after the
// first run of two spaces or more.
const QRegularExpression& described() {
    static const QRegularExpression option(QStringLiteral("^ +\\S.*?  +"));
    return option;
}

// What the command's --help describes, each description whole.
QStringList descriptionsOf(const Command& command) {
    CommandLine line({}, {}, {});
    takeCommand(line, command);
    return line.descriptions();
}

QString withoutSpaces(QString text) {
    static const QRegularExpression space(QStringLiteral("\\s+"));
    return text.remove(space);
}

// Qt's help with each description on one line again, as the command gave it: Qt breaks
// a description where its line is full, and drops a space there.
QStringList unwrapped(const QStringList& lines, const QStringList& descriptions) {
    QStringList out;
    qsizetype column = -1;
    QString text;
    const auto endDescription = [&] {
        for (const QString& description : descriptions) {
            if (column > 0 && withoutSpaces(description) == withoutSpaces(text)) {
                out.last() = out.last().left(column) + description;
            }
        }
    };
    for (const QString& line : lines) {
        if (column > 0 && line.size() > column && leadingSpaces(line) == column) {
            text += line.mid(column);
            continue;
        }
        endDescription();
        const QRegularExpressionMatch m = described().match(line);
        column = m.hasMatch() ? m.capturedLength() : -1;
        text = m.hasMatch() ? line.mid(column) : QString();
        out << line;
    }
    endDescription();
    return out;
}

// A line as wide as a terminal at most; its continuations start under the text of an
// option's description, or under the line's own text.
QStringList wrapped(const QString& line) {
    const QRegularExpressionMatch m = described().match(line);
    const qsizetype indent = m.hasMatch() ? m.capturedLength() : leadingSpaces(line);
    QStringList lines;
    QString rest = line;
    while (true) {
        int width = 0;
        qsizetype breakAt = -1;
        for (qsizetype i = 0; i < rest.size() && width <= kColumns; ++i) {
            if (i > indent && mayBreakBefore(rest, i)) {
                breakAt = i;
            }
            width += widthOf(rest.at(i).unicode());
        }
        if (width <= kColumns || breakAt < 0) {
            lines << rest;
            return lines;
        }
        lines << rest.left(breakAt).trimmed().prepend(QString(leadingSpaces(rest), u' '));
        rest = QString(indent, u' ') + rest.mid(breakAt).trimmed();
    }
}

// Text as roff shows it unchanged, in no-fill mode.
QString roff(const QString& line) {
    QString text = line;
    text.replace(u'\\', QStringLiteral("\\e")).replace(u'-', QStringLiteral("\\-"));
    if (text.startsWith(u'.') || text.startsWith(u'\'')) {
        text.prepend(QStringLiteral("\\&"));
    }
    return text;
}

QString commandsSection() {
    QString out;
    for (const Command& command : commands()) {
        out += QStringLiteral(".SS %1\n.nf\n").arg(QString::fromUtf8(command.name));
        const QStringList lines = helpOf(command.name).trimmed().split(u'\n');
        for (const QString& line : unwrapped(lines, descriptionsOf(command))) {
            for (const QString& piece : wrapped(line)) {
                out += roff(piece) + u'\n';
            }
        }
        out += QStringLiteral(".fi\n");
    }
    return out;
}

} // namespace

int main(int argc, char* argv[]) {
    const QCoreApplication app(argc, argv);
    velmora::installQtChineseTranslation();
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fputs("usage: velmora-cli-man TEMPLATE PAGE\n", stderr);
        return 2;
    }
    QFile in(arguments.at(1));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "velmora-cli-man: cannot read %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    QString page = QString::fromUtf8(in.readAll());
    const QString marker = QStringLiteral(".\\\" COMMANDS\n");
    if (!page.contains(marker)) {
        std::fputs("velmora-cli-man: the template has no line .\\\" COMMANDS\n", stderr);
        return 1;
    }
    page.replace(marker, commandsSection());
    QFile out(arguments.at(2));
    if (!out.open(QIODevice::WriteOnly) || out.write(page.toUtf8()) < 0 || !out.flush()) {
        std::fprintf(stderr, "velmora-cli-man: cannot write %s\n", qPrintable(arguments.at(2)));
        return 1;
    }
    return 0;
}
