#pragma once

#include "files/AtomicFile.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace tarrowin::cli {

// Where a table goes as its rows are made, so that a table of any length
// needs no more memory than a row.
class TableOutput {
public:
    virtual ~TableOutput() = default;
    virtual void write(std::string_view bytes) = 0;
    // Whether rows written can still be taken back: a file until it is
    // committed and a text can, a stream cannot.
    virtual bool canTakeBack() const = 0;
    // How many bytes were written so far.
    virtual std::uint64_t position() const = 0;
    // Drops the bytes after `position`, where canTakeBack().
    virtual void takeBackTo(std::uint64_t position) = 0;
};

// Appends to a text.
class TextTableOutput final : public TableOutput {
public:
    explicit TextTableOutput(std::string& text) : text_(text) {}
    void write(std::string_view bytes) override { text_ += bytes; }
    bool canTakeBack() const override { return true; }
    std::uint64_t position() const override { return text_.size(); }
    void takeBackTo(std::uint64_t position) override { text_.resize(static_cast<std::size_t>(position)); }

private:
    std::string& text_;
};

// Writes into a file that is put in place only once it is whole.
class FileTableOutput final : public TableOutput {
public:
    explicit FileTableOutput(AtomicFile& file) : file_(file) {}
    void write(std::string_view bytes) override { file_.write(bytes); }
    bool canTakeBack() const override { return true; }
    std::uint64_t position() const override { return file_.position(); }
    void takeBackTo(std::uint64_t position) override { file_.rewindTo(position); }

private:
    AtomicFile& file_;
};

// Writes to a stream as it goes, standard output say.
class StreamTableOutput final : public TableOutput {
public:
    explicit StreamTableOutput(std::ostream& out) : out_(out) {}
    void write(std::string_view bytes) override
    {
        out_ << bytes;
        written_ += bytes.size();
    }
    bool canTakeBack() const override { return false; }
    std::uint64_t position() const override { return written_; }
    void takeBackTo(std::uint64_t) override {}

private:
    std::ostream& out_;
    std::uint64_t written_ = 0;
};

}  // namespace tarrowin::cli
