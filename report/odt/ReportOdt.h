#pragma once

#include "report/document/ReportBook.h"

#include <QByteArray>

namespace tarrowin {

// The book as an OpenDocument Text file that Word, WPS and LibreOffice open
// and edit: the same texts, tables, subscripts, strong words and red rows as
// the PDF, each part after a page break. Written by Qt's own ODF writer and
// given afterwards what that writer knows nothing of (see withPages): the A4
// page, footers with page-number fields, repeating heading rows, and in the
// summary's page column references to the parts' pages, which the office
// suite fills when it lays the text out. Needs a QGuiApplication.
QByteArray reportOdt(const ReportBook& book);

}  // namespace tarrowin
