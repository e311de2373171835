#pragma once

#include "report/document/ReportBook.h"
#include "report/pdf/BookPdf.h"
#include "report/pdf/ReportPdf.h"

#include <QByteArray>

#include <filesystem>
#include <optional>
#include <variant>

namespace tarrowin {

// The kinds of file a report or a book is written as.
enum class ReportFormat {
    Pdf,  // for printing and signing
    Odt,  // OpenDocument Text, to edit in Word, WPS or LibreOffice
};

// The format a path names by its suffix, in either case: ".pdf" or ".odt";
// none for any other.
std::optional<ReportFormat> reportFormatOf(const std::filesystem::path& path);

// The book's bytes in the format; a problem only when the PDF's face is
// missing. Needs a QGuiApplication and runs on its thread.
std::variant<QByteArray, ReportError> renderReport(const ReportBook& book, ReportFormat format,
                                                   const BookProgress& progress = {});

// Renders the book in the format its path names and writes it there whole:
// an existing file is replaced only once the new one is complete. Writes
// nothing and says why when the suffix names no format, the face is missing
// or the file cannot be written.
std::optional<ReportError> writeReport(const ReportBook& book, const std::filesystem::path& path,
                                       const BookProgress& progress = {});

}  // namespace tarrowin
