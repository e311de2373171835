#pragma once

#include "report/document/ReportBook.h"

#include <QByteArray>

namespace tarrowin {

// The book as an OpenDocument Text file that Word, WPS and LibreOffice open
// and edit: the same texts, tables, subscripts, strong words and red rows as
// the PDF, each part after a page break. Written by Qt's own ODF writer,
// which knows no page size, footer or field: the office suite lays the text
// out on its own default page, and the summary's page column stays empty
// because no page is known until then. Needs a QGuiApplication.
QByteArray reportOdt(const ReportBook& book);

}  // namespace tarrowin
