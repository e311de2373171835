#pragma once

#include "files/FileProblem.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

class QSaveFile;

namespace tarrowin {

// A file written whole or not at all. The bytes go into a temporary file in
// the file's folder, which is renamed over the file only by commit() once
// every byte is written: a crash, a full disk, the file-size limit or a
// missing permission never leaves half a file, and on any failure the old
// file, if there was one, is as it was. Bytes can be written as they are
// made, so that a large file never needs to be held in memory, and taken
// back to an earlier position before the commit.
class AtomicFile {
public:
    explicit AtomicFile(const std::filesystem::path& path);
    ~AtomicFile();  // without commit(): the temporary file goes, the file stays as it was
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Starts the temporary file; the problem if it cannot be made, which
    // commit() tells again.
    std::optional<FileProblem> open();

    // Appends the bytes. Once a write has failed, nothing more is written
    // and commit() tells why.
    void write(std::string_view bytes);

    // How many bytes the file holds so far.
    std::uint64_t position() const { return end_; }

    // Drops every byte written after `position`, which must not lie beyond
    // position().
    void rewindTo(std::uint64_t position);

    // Puts the file in place, or leaves the old one and says why not.
    std::optional<FileProblem> commit();

private:
    FileProblem failed(std::string reason, int error) const;
    FileProblem failed(int error) const;  // in Qt's words

    std::filesystem::path path_;
    std::unique_ptr<QSaveFile> file_;
    std::uint64_t end_ = 0;       // where the next byte goes
    std::uint64_t written_ = 0;   // the furthest any byte went, which a rewind leaves behind
    std::optional<FileProblem> problem_;
};

// Writes the bytes as AtomicFile does; the problem if it failed.
std::optional<FileProblem> writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace tarrowin
