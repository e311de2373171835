#pragma once

#include "report/document/ReportDocument.h"

#include <QString>

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QPdfWriter;
class QTextDocument;

namespace tarrowin {

// A book's parts laid out on every core: each part is independent of the
// others, so each is composed, laid out and measured whole in one thread,
// against a PDF writer of that thread's own set up as the book's. The first
// `kept` layouts are handed to the calling thread for drawing; the rest are
// only counted.
//
// Qt's fonts are cached per thread, and a kept layout holds the fonts of the
// thread that made it: the threads therefore wait, idle, until this object
// is destroyed, and every layout taken from it must be destroyed first.
class PartLayouts {
public:
    // Told on the calling thread with the parts laid out so far.
    using Progress = std::function<void(std::size_t done)>;

    PartLayouts(const std::vector<ReportDocument>& parts, const QString& family, const std::string& title,
                const std::string& creator, std::size_t kept, const Progress& progress);
    ~PartLayouts();
    PartLayouts(const PartLayouts&) = delete;
    PartLayouts& operator=(const PartLayouts&) = delete;

    // The pages of each part, in order.
    const std::vector<int>& pages() const { return pages_; }
    // The layout of part `index` if it was kept and not yet taken, else null;
    // set to draw on `writer`.
    std::unique_ptr<QTextDocument> take(std::size_t index, QPdfWriter& writer);

private:
    class Helpers;
    // First, so that it is destroyed last, after the layouts.
    std::unique_ptr<Helpers> helpers_;
    std::vector<int> pages_;
    std::vector<std::unique_ptr<QTextDocument>> kept_;
};

}  // namespace tarrowin
