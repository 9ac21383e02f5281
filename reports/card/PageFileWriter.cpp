// Writing a drawing to its file, apart from the drawing itself: the renderer modules of
// vorlan-cli draw (PageFile.cpp) and hand the bytes back to the program, which writes them.

#include <cerrno>

#include "reports/card/PageFile.h"

namespace vorlan {

FileOutcome writePageFile(std::string& path, const std::function<QByteArray(CardFileFormat)>& draw) {
    std::optional<CardFileFormat> format = cardFileFormat(path);
    if (!format) {
        path += ".pdf";
        format = CardFileFormat::Pdf;
    }
    const QByteArray bytes = draw(*format);
    if (bytes.isEmpty()) return FileOutcome{EIO};
    return writeFileAtomically(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace vorlan
