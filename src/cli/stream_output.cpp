#include "cli/stream_output.h"

#include <array>

#ifdef _WIN32
#include <QString>

#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace velmora::cli {
namespace {

#ifdef _WIN32
// The console handle behind `stream`, or null when it is a pipe, a file or nothing.
HANDLE consoleOf(std::FILE* stream) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) ? handle : nullptr;
}

bool writeToConsole(HANDLE console, const QByteArray& utf8) {
    const QString text = QString::fromUtf8(utf8);
    // In pieces a console of any age takes, never splitting a surrogate pair.
    constexpr qsizetype kPiece = 4096;
    for (qsizetype at = 0; at < text.size();) {
        qsizetype length = text.size() - at > kPiece ? kPiece : text.size() - at;
        if (at + length < text.size() && text[at + length - 1].isHighSurrogate()) {
            --length;
        }
        DWORD written = 0;
        if (!WriteConsoleW(console, text.utf16() + at, static_cast<DWORD>(length), &written,
                           nullptr) ||
            written == 0) {
            return false;
        }
        at += static_cast<qsizetype>(written);
    }
    return true;
}
#endif

QByteArray* capturedOut = nullptr;
QByteArray* capturedErr = nullptr;
const QByteArray* capturedIn = nullptr;

} // namespace

void captureStandardStreams(QByteArray* out, QByteArray* err, const QByteArray* in) {
    capturedOut = out;
    capturedErr = err;
    capturedIn = in;
}

bool readStandardInput(QByteArray* bytes) {
    if (capturedIn != nullptr) {
        *bytes = *capturedIn;
        return true;
    }
    // Not through QFile: on Windows it takes the end of a pipe for an error.
    std::array<char, 65536> buffer{};
    std::size_t read = 0;
    while ((read = std::fread(buffer.data(), 1, buffer.size(), stdin)) > 0) {
        bytes->append(buffer.data(), static_cast<qsizetype>(read));
    }
    return std::ferror(stdin) == 0;
}

void useBinaryStandardStreams() {
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
}

bool writeToStream(std::FILE* stream, const QByteArray& utf8) {
    if (QByteArray* into = stream == stdout   ? capturedOut
                           : stream == stderr ? capturedErr
                                              : nullptr) {
        into->append(utf8);
        return true;
    }
#ifdef _WIN32
    if (HANDLE console = consoleOf(stream)) {
        return std::fflush(stream) == 0 && writeToConsole(console, utf8);
    }
#endif
    const auto size = static_cast<std::size_t>(utf8.size());
    return std::fwrite(utf8.constData(), 1, size, stream) == size && std::fflush(stream) == 0;
}

} // namespace velmora::cli
