#pragma once

#include <QSizeF>
#include <QString>

#include <string>

class QPainter;
class QPdfWriter;
class QTextDocument;

namespace tarrowin {

// Sets the writer to A4 portrait with no margins of its own (the page's
// margins are drawn by hand, so that the footer can stand in one), with the
// document's title and creator; returns the size of the text's body on a
// page, in the writer's pixels.
QSizeF preparePdfPages(QPdfWriter& writer, const std::string& title, const std::string& creator);

// What the footer of each page of one laid-out document says.
struct PageFooter {
    std::string note;   // on the left: the stringer file's or the stringer's name; may be empty
    std::string title;  // on the right, before the page number
};

// Draws every page of the laid-out text, each under its footer, numbered on
// from `firstPage` (1 for the first page of the file) out of `pageCount`.
void drawPdfPages(QPdfWriter& writer, QPainter& painter, QTextDocument& text, const PageFooter& footer,
                  const QString& family, int firstPage, int pageCount);

}  // namespace tarrowin
