#include "files/StringerCsvFile.h"

#include "files/FileBytes.h"
#include "files/StringerCsv.h"
#include "text/ByteOrderMark.h"
#include "text/TextPosition.h"

#include <string>
#include <string_view>

namespace tarrowin {
namespace {

// Cuts the bytes of a CSV, as they come, into parts that each end with a
// record: after an LF outside quotes. Quotes inside a valid CSV come in
// pairs, so one that is open tells that the LF lies inside a cell. A stray
// quote misleads the count only after itself, where the reader refuses the
// text anyway. Records broken by lone CRs alone stay one part.
class RecordParts {
public:
    void append(std::string_view block)
    {
        pending_.append(block);
        for (; scanned_ < pending_.size(); ++scanned_) {
            const char c = pending_[scanned_];
            if (c == '"')
                quoted_ = !quoted_;
            else if (c == '\n' && !quoted_ && sawRecord_)
                partEnd_ = scanned_ + 1;
            else if (c != '\r' && c != '\n' && (scanned_ >= byteOrderMark.size() || !pending_.starts_with(byteOrderMark)))
                sawRecord_ = true;  // the first part holds the header, whatever blank lines come first
        }
    }

    // The bytes up to the last whole record, empty if there is none yet.
    std::string_view ready() const { return std::string_view(pending_).substr(0, partEnd_); }
    // Everything, once the file has ended.
    std::string_view rest() const { return pending_; }

    // Forgets what ready() gave.
    void dropReady()
    {
        pending_.erase(0, partEnd_);
        scanned_ -= partEnd_;
        partEnd_ = 0;
    }

private:
    std::string pending_;
    std::size_t scanned_ = 0;
    std::size_t partEnd_ = 0;
    bool quoted_ = false;
    bool sawRecord_ = false;
};

}  // namespace

std::optional<FileProblem> readStringerCsvFile(const std::filesystem::path& path,
                                               const std::function<void(const StringerEntry&)>& use)
{
    std::optional<StringerCsvReader> reader;
    std::size_t nextLine = 1;
    StringerEntry entry;
    const auto read = [&](std::string_view part) {
        if (!reader)
            reader.emplace(part);
        else
            reader->continueWith(part, nextLine);
        while (reader->next(entry))
            use(entry);
        nextLine += lineBreaksIn(part);
        return !reader->refusal();
    };

    RecordParts parts;
    if (auto problem = readFileBlocks(path, [&](std::string_view block) {
            parts.append(block);
            if (parts.ready().empty())
                return true;
            const bool goOn = read(parts.ready());
            parts.dropReady();
            return goOn;
        }))
        return problem;
    if (!reader || !reader->refusal())
        read(parts.rest());
    std::optional<FileProblem> refusal = reader->refusal();
    if (refusal)
        refusal->file = path.string();
    return refusal;
}

}  // namespace tarrowin
