#pragma once

#include "report/document/ReportBook.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <functional>

namespace tarrowin {

// Told as a book's parts are laid out and then drawn: the stage ("laying
// out" or "writing"), the parts done and all of them.
using BookProgress = std::function<void(const char* stage, std::size_t done, std::size_t total)>;

// The book as the bytes of a searchable A4 PDF in the family given: the
// front, then each part from a new page under its own footer, the pages
// numbered through the book, the summary's page column filled with the page
// on which each part starts. A book without parts is drawn as its front
// alone, which for a book of one report is reportPdf's file. Needs a
// QGuiApplication and runs on its thread.
QByteArray bookPdf(ReportBook book, const QString& family, const BookProgress& progress = {});

}  // namespace tarrowin
