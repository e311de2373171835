#include "files/FileBytes.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tarrowin {
namespace {

QString qtPath(const std::filesystem::path& path) { return QFile::decodeName(QByteArray::fromStdString(path.native())); }

}  // namespace

std::variant<std::string, FileProblem> readFileBytes(const std::filesystem::path& path)
{
    QFile file(qtPath(path));
    if (QFileInfo(file).isDir())
        return FileProblem{path.string(), 0, 0, "cannot read: it is a folder", FileProblemKind::IsAFolder, {}};
    // errno is taken at once, before anything else can change it.
    const auto failed = [&](int error) {
        const std::string reason = file.errorString().toStdString();
        return FileProblem{path.string(), 0, 0, "cannot read: " + reason, FileProblemKind::CannotRead, reason, error};
    };
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return failed(errno);
    // Read straight into the string: a table of stringers can be megabytes.
    std::string bytes;
    for (;;) {
        const std::size_t start = bytes.size();
        const auto expected = static_cast<std::size_t>(std::max<qint64>(file.size(), 0));
        bytes.resize(start + (expected > start ? expected - start : std::size_t{1} << 16));
        errno = 0;
        const qint64 read = file.read(bytes.data() + start, static_cast<qint64>(bytes.size() - start));
        if (read < 0)
            return failed(errno);
        bytes.resize(start + static_cast<std::size_t>(read));
        if (read == 0)
            return bytes;
    }
}

std::optional<FileProblem> writeFileAtomically(const std::filesystem::path& path, std::string_view bytes)
{
    QSaveFile file(qtPath(path));
    const auto failed = [&](std::string reason, int error) {
        return FileProblem{path.string(), 0, 0, "cannot save: " + reason, FileProblemKind::CannotSave, reason, error};
    };
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        // QSaveFile refuses a folder's name itself, without asking the system.
        const int error = QFileInfo(file.fileName()).isDir() ? EISDIR : errno;
        return failed(file.errorString().toStdString(), error);
    }
    // A write may take only part of the bytes (the file-size limit does
    // that) without QSaveFile noting an error, and commit() would then rename
    // the short file over the old one: so every byte is accounted for here.
    for (std::size_t written = 0; written < bytes.size();) {
        errno = 0;
        const qint64 taken =
            file.write(bytes.data() + written, static_cast<qint64>(std::min<std::size_t>(bytes.size() - written, 1 << 20)));
        if (taken <= 0) {
            const int error = errno;
            FileProblem problem = failed(file.error() == QFileDevice::NoError && error != 0
                                             ? std::string(std::strerror(error))
                                             : file.errorString().toStdString(),
                                         error);
            file.cancelWriting();
            return problem;
        }
        written += static_cast<std::size_t>(taken);
    }
    // The rename happens only here, once every byte is written.
    errno = 0;
    if (!file.commit()) {
        const int error = errno;
        return failed(file.errorString().toStdString(), error);
    }
    return std::nullopt;
}

}  // namespace tarrowin
