#pragma once

#include "report/document/ReportDocument.h"

#include <QList>
#include <QString>

#include <memory>

class QTextDocument;
class QTextFrame;

namespace tarrowin {

// The report's words set as a Qt text document, with no page in view: the
// title, the header as a table with room to sign, numbered sections, ruled
// tables whose heading row repeats on each page they run over and whose
// alarming rows are red, the computation's steps with their equals signs one
// under another. What a renderer pages, draws or writes.
class ReportComposer {
public:
    // Sets the document's type: the family given, at the report's body size.
    ReportComposer(QTextDocument& text, const QString& family);
    ~ReportComposer();
    ReportComposer(const ReportComposer&) = delete;
    ReportComposer& operator=(const ReportComposer&) = delete;

    // Appends the document: its title, its header when it has one, its
    // sections. On a new page when asked, which the first document never is.
    void add(const ReportDocument& document, bool onNewPage = false);

    // Where the section headings stand, in order.
    const QList<int>& headingPositions() const;
    // What must not be split between two pages: each computation step.
    const QList<QTextFrame*>& unbroken() const;

private:
    class Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace tarrowin
