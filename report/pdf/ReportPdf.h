#pragma once

#include "check/ArithmeticFault.h"
#include "report/document/ReportDocument.h"
#include "report/document/ReportRequest.h"

#include <QByteArray>

#include <filesystem>
#include <optional>
#include <string>
#include <variant>

namespace tarrowin {

// Why no report was written.
enum class ReportProblem {
    // The check met an arithmetic fault: there are no results to report.
    CalculationFault,
    // The report's face is not where the program looks for it; without it
    // the PDF's Chinese could not be searched.
    FaceMissing,
    // The file could not be written; a file of that name is left as it was.
    NotWritten,
};

struct ReportError {
    ReportProblem problem;
    std::optional<ArithmeticFault> fault;  // for a calculation fault: which, and what was being computed
    std::string message;                   // in Chinese, ready to show to the user
};

// Makes the stringer's calculation report as the bytes of a searchable A4
// PDF, or says why there is none (a calculation fault or a missing face).
// Needs a QGuiApplication (the offscreen platform will do) and runs on its
// thread.
std::variant<QByteArray, ReportError> makeReportPdf(const ReportRequest& request);

// Makes the stringer's calculation report and writes it as a searchable A4
// PDF at the path, or writes nothing and says why. The report's numbers are
// those the window shows after 计算 on the same stringer. Needs a
// QGuiApplication (the offscreen platform will do) and runs on its thread.
std::optional<ReportError> writeReportPdf(const ReportRequest& request, const std::filesystem::path& path);

// The document as PDF bytes, set in the family given: what writeReportPdf
// writes for a document that was built.
QByteArray reportPdf(const ReportDocument& document, const QString& family);

}  // namespace tarrowin
