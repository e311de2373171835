#include "files/AtomicFile.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tarrowin {

AtomicFile::AtomicFile(const std::filesystem::path& path)
    : path_(path), file_(std::make_unique<QSaveFile>(QFile::decodeName(QByteArray::fromStdString(path.native()))))
{
}

AtomicFile::~AtomicFile() = default;

FileProblem AtomicFile::failed(std::string reason) const
{
    return FileProblem{path_.string(), 0, 0, "cannot save: " + reason, FileProblemKind::CannotSave, reason};
}

std::optional<FileProblem> AtomicFile::open()
{
    if (!file_->open(QIODevice::WriteOnly))
        problem_ = failed(file_->errorString().toStdString());
    return problem_;
}

void AtomicFile::write(std::string_view bytes)
{
    // A write may take only part of the bytes (the file-size limit does
    // that) without QSaveFile noting an error, and commit() would then rename
    // the short file over the old one: so every byte is accounted for here.
    for (std::size_t done = 0; !problem_ && done < bytes.size();) {
        errno = 0;
        const qint64 taken =
            file_->write(bytes.data() + done, static_cast<qint64>(std::min<std::size_t>(bytes.size() - done, 1 << 20)));
        if (taken <= 0) {
            const int error = errno;
            problem_ = failed(file_->error() == QFileDevice::NoError && error != 0 ? std::string(std::strerror(error))
                                                                                  : file_->errorString().toStdString());
            break;
        }
        done += static_cast<std::size_t>(taken);
        end_ += static_cast<std::uint64_t>(taken);
    }
    written_ = std::max(written_, end_);
}

void AtomicFile::rewindTo(std::uint64_t position)
{
    if (problem_ || position == end_)
        return;
    if (!file_->seek(static_cast<qint64>(position)))
        problem_ = failed(file_->errorString().toStdString());
    end_ = position;
}

std::optional<FileProblem> AtomicFile::commit()
{
    // Bytes left beyond the end by a rewind are cut off before the rename.
    if (!problem_ && written_ > end_ && !file_->resize(static_cast<qint64>(end_)))
        problem_ = failed(file_->errorString().toStdString());
    if (problem_) {
        file_->cancelWriting();
        return problem_;
    }
    // The rename happens only here, once every byte is written.
    if (!file_->commit())
        problem_ = failed(file_->errorString().toStdString());
    return problem_;
}

std::optional<FileProblem> writeFileAtomically(const std::filesystem::path& path, std::string_view bytes)
{
    AtomicFile file(path);
    if (auto problem = file.open())
        return problem;
    file.write(bytes);
    return file.commit();
}

}  // namespace tarrowin
