#include "workbook/list_file.h"

#include "joints/list_cells.h"
#include "joints/workbook_cells.h"
#include "workbook/workbook_file.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace velmora::workbook {
namespace {

// Qt knows GB18030 only where it was built with ICU, so the system decodes it.
std::optional<QString> fromGb18030(const QByteArray& bytes) {
    if (bytes.isEmpty()) {
        return QString();
    }
#ifdef _WIN32
    const auto size = static_cast<int>(bytes.size());
    // 936 (GBK) where the system has no GB18030 table, as older Wine.
    for (const UINT codePage : {54936u, 936u}) {
        const int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.constData(),
                                               size, nullptr, 0);
        if (length > 0) {
            QString text(length, Qt::Uninitialized);
            MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.constData(), size,
                                reinterpret_cast<wchar_t*>(text.data()), length);
            return text;
        }
        if (GetLastError() != ERROR_INVALID_PARAMETER) {
            break; // the bytes are not GB18030, not the code page unknown
        }
    }
    return std::nullopt;
#else
    const iconv_t decoder = iconv_open("UTF-8", "GB18030");
    // (iconv_t)-1 is how iconv_open says it failed.
    if (decoder == reinterpret_cast<iconv_t>(-1)) { // NOLINT(performance-no-int-to-ptr)
        return std::nullopt;
    }
    // A character takes at most 4 bytes in GB18030 and 4 in UTF-8, or 2 and 3.
    QByteArray utf8(bytes.size() * 2, Qt::Uninitialized);
    char* in = const_cast<char*>(bytes.constData());
    auto inLeft = static_cast<std::size_t>(bytes.size());
    char* out = utf8.data();
    auto outLeft = static_cast<std::size_t>(utf8.size());
    const std::size_t converted = iconv(decoder, &in, &inLeft, &out, &outLeft);
    iconv_close(decoder);
    if (converted == static_cast<std::size_t>(-1)) {
        return std::nullopt;
    }
    return QString::fromUtf8(utf8.constData(), utf8.size() - static_cast<qsizetype>(outLeft));
#endif
}

} // namespace

std::optional<QString> decodeText(const QByteArray& bytes) {
    const ListBytes read =
        listBytes(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    switch (read.encoding) {
    case ListEncoding::Utf8:
        return QString::fromUtf8(read.bytes.data(), static_cast<qsizetype>(read.bytes.size()));
    case ListEncoding::Gb18030:
        return fromGb18030(bytes);
    case ListEncoding::Unreadable:
        break;
    }
    return std::nullopt;
}

std::variant<JointList, QString> readListFile(const QByteArray& bytes, const QString& sheet,
                                              const ColumnChoice& columns) {
    if (looksLikeWorkbook(bytes)) {
        auto rows = readWorkbook(bytes, sheet);
        if (const QString* fault = std::get_if<QString>(&rows)) {
            return *fault;
        }
        return readJointList(std::get<std::vector<ListRow>>(std::move(rows)), columns);
    }
    if (const std::optional<QString> text = decodeText(bytes)) {
        return readJointList(text->toStdString(), columns);
    }
    return QString::fromStdString(unreadableFileText(looksLikeOldExcel(bytes)));
}

} // namespace velmora::workbook
