#pragma once

#include "report/document/ReportDocument.h"

#include <QSizeF>
#include <QString>

#include <memory>

class QPaintDevice;
class QTextDocument;

namespace tarrowin {

// The report set as a text document for the device, in the family given,
// broken into pages of the given size (in the device's pixels): the title,
// the header as a table with room to sign, numbered sections, tables with
// rules, the computation's steps with their equals signs one under another.
// The page footers are not part of it.
std::unique_ptr<QTextDocument> layOutReport(const ReportDocument& document, const QString& family,
                                            QPaintDevice& device, QSizeF pageSize);

}  // namespace tarrowin
