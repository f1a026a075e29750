// velmora-cli in a Windows console: the console keeps the code page its user chose,
// Chinese shows in it whatever that page is, and what goes to a file is the same
// UTF-8 as on Linux. The test opens a console of its own and starts velmora-cli in
// it, as cmd would.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <string>
#include <vector>

#include <windows.h>

namespace {

// A file or the console, for a child process to write to.
HANDLE openInheritable(const wchar_t* name, DWORD access, DWORD creation) {
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileW(name, access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable, creation,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

void clearScreen(HANDLE console) {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    GetConsoleScreenBufferInfo(console, &info);
    DWORD written = 0;
    const auto cells = static_cast<DWORD>(info.dwSize.X) * static_cast<DWORD>(info.dwSize.Y);
    FillConsoleOutputCharacterW(console, L' ', cells, COORD{0, 0}, &written);
    SetConsoleCursorPosition(console, COORD{0, 0});
}

// The screen down to the cursor, a line per row.
QString screenText(HANDLE console) {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    GetConsoleScreenBufferInfo(console, &info);
    QString text;
    std::vector<wchar_t> row(static_cast<std::size_t>(info.dwSize.X));
    for (SHORT y = 0; y <= info.dwCursorPosition.Y; ++y) {
        DWORD read = 0;
        ReadConsoleOutputCharacterW(console, row.data(), static_cast<DWORD>(row.size()),
                                    COORD{0, y}, &read);
        text += QString::fromWCharArray(row.data(), static_cast<qsizetype>(read));
        text += QLatin1Char('\n');
    }
    return text;
}

// Runs velmora-cli with the given standard output and error; false if it did not run.
bool runCli(const QStringList& arguments, HANDLE out, HANDLE err) {
    QString commandLine =
        QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(QStringLiteral(VELMORA_CLI)));
    for (const QString& argument : arguments) {
        commandLine += QStringLiteral(" \"%1\"").arg(argument);
    }
    std::wstring line = commandLine.toStdWString();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return false;
    }
    const bool ended = WaitForSingleObject(process.hProcess, 120000) == WAIT_OBJECT_0;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return ended;
}

} // namespace

class ConsoleTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void codePageStaysTheUsers_data();
    void codePageStaysTheUsers();

private:
    HANDLE m_console = INVALID_HANDLE_VALUE;
};

void ConsoleTest::initTestCase() {
    FreeConsole();
    QVERIFY(AllocConsole());
    m_console = openInheritable(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING);
    QVERIFY(m_console != INVALID_HANDLE_VALUE);
}

void ConsoleTest::codePageStaysTheUsers_data() {
    QTest::addColumn<uint>("codePage"); // what chcp set before velmora-cli ran
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("toFile");         // standard output to a file, not the console
    QTest::addColumn<QByteArray>("expected"); // the file whole, or a line on the screen

    const QStringList smaw{"answer", "-p", "smaw", "16MnR", "Q235-B,C"};
    QFile answers(QStringLiteral(VELMORA_ANSWERS_TSV));
    QVERIFY(answers.open(QIODevice::ReadOnly));
    QTest::newRow("answer on a GBK console")
        << 936u << smaw << false << QByteArray("焊条型号：E5015 E5016");
    QTest::newRow("refusal on a US console")
        << 437u << QStringList{"answer", "不锈钢"} << false << QByteArray("没有名为“不锈钢”的材料");
    QTest::newRow("answer to a file")
        << 936u << smaw << true
        << QByteArray("焊条电弧焊(SMAW)\n焊条型号：E5015 E5016\n焊条牌号：J507  J506\n"
                      "保护气体：无\n");
    QTest::newRow("table to a file") << 936u << QStringList{"table"} << true << answers.readAll();
}

void ConsoleTest::codePageStaysTheUsers() {
    QFETCH(uint, codePage);
    QFETCH(QStringList, arguments);
    QFETCH(bool, toFile);
    QFETCH(QByteArray, expected);

    QVERIFY(SetConsoleOutputCP(codePage));
    clearScreen(m_console);
    QTemporaryDir dir;
    const QString path = QDir::toNativeSeparators(dir.filePath("out.txt"));
    HANDLE out = m_console;
    if (toFile) {
        out = openInheritable(path.toStdWString().c_str(), GENERIC_WRITE, CREATE_ALWAYS);
        QVERIFY(out != INVALID_HANDLE_VALUE);
    }
    const bool ran = runCli(arguments, out, m_console);
    if (toFile) {
        CloseHandle(out);
    }
    QVERIFY(ran);

    QCOMPARE(GetConsoleOutputCP(), codePage);
    if (toFile) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY2(file.readAll() == expected, "not the bytes velmora-cli writes on Linux");
    } else {
        const QString screen = screenText(m_console);
        QVERIFY2(screen.contains(QString::fromUtf8(expected)), qPrintable(screen));
    }
}

QTEST_GUILESS_MAIN(ConsoleTest)
#include "console_test.moc"
