#include "files/AtomicFile.h"

#include <QFile>
#include <QFileInfo>
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

FileProblem AtomicFile::failed(std::string reason, int error) const
{
    return FileProblem{path_.string(), 0, 0, "cannot save: " + reason, FileProblemKind::CannotSave, reason, error};
}

FileProblem AtomicFile::failed(int error) const { return failed(file_->errorString().toStdString(), error); }

// errno is taken right after each failed call, before anything else can change it.
std::optional<FileProblem> AtomicFile::open()
{
    errno = 0;
    if (!file_->open(QIODevice::WriteOnly)) {
        const int error = errno;
        // QSaveFile refuses a folder's name itself, without asking the system.
        problem_ = failed(QFileInfo(file_->fileName()).isDir() ? EISDIR : error);
    }
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
                                                                                  : file_->errorString().toStdString(),
                              error);
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
    errno = 0;
    if (!file_->seek(static_cast<qint64>(position)))
        problem_ = failed(errno);
    end_ = position;
}

std::optional<FileProblem> AtomicFile::commit()
{
    // Bytes left beyond the end by a rewind are cut off before the rename.
    errno = 0;
    if (!problem_ && written_ > end_ && !file_->resize(static_cast<qint64>(end_)))
        problem_ = failed(errno);
    if (problem_) {
        file_->cancelWriting();
        return problem_;
    }
    // The rename happens only here, once every byte is written.
    errno = 0;
    if (!file_->commit())
        problem_ = failed(errno);
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
