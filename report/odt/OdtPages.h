#pragma once

#include "report/document/ReportBook.h"

#include <QByteArray>

namespace tarrowin {

// Gives the package that Qt's ODF writer made of the book what that writer
// cannot write: an A4 portrait page with the PDF's margins, and one master
// page for the front and one a part, whose footer names the part and counts
// the pages with fields ("第 N 页 共 M 页"), in a styles.xml; each ruled
// table's heading row marked to repeat on every page it runs over; a
// bookmark at the start of each part, and in the summary's page column a
// field referring to the page of that bookmark, left for the office suite
// to fill. Returns the package unchanged if it is not one Qt wrote.
QByteArray withPages(const QByteArray& package, const ReportBook& book);

}  // namespace tarrowin
