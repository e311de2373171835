#include "files/FileBytes.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

namespace tarrowin {
namespace {

QString qtPath(const std::filesystem::path& path) { return QFile::decodeName(QByteArray::fromStdString(path.native())); }

// `error` is errno as the failed call left it, taken before anything else can change it.
FileProblem cannotRead(const std::filesystem::path& path, const QFile& file, int error)
{
    const std::string reason = file.errorString().toStdString();
    return FileProblem{path.string(), 0, 0, "cannot read: " + reason, FileProblemKind::CannotRead, reason, error};
}

// Opens the file for reading; the problem if it is a folder or cannot be read.
std::optional<FileProblem> openToRead(const std::filesystem::path& path, QFile& file)
{
    if (QFileInfo(file).isDir())
        return FileProblem{path.string(), 0, 0, "cannot read: it is a folder", FileProblemKind::IsAFolder, {}};
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return cannotRead(path, file, errno);
    return std::nullopt;
}

}  // namespace

std::optional<FileProblem> readFileBlocks(const std::filesystem::path& path,
                                          const std::function<bool(std::string_view)>& use)
{
    QFile file(qtPath(path));
    if (auto problem = openToRead(path, file))
        return problem;
    std::string block(std::size_t{1} << 20, '\0');
    for (;;) {
        errno = 0;
        const qint64 read = file.read(block.data(), static_cast<qint64>(block.size()));
        if (read < 0)
            return cannotRead(path, file, errno);
        if (read == 0 || !use(std::string_view(block.data(), static_cast<std::size_t>(read))))
            return std::nullopt;
    }
}

std::variant<std::string, FileProblem> readFileBytes(const std::filesystem::path& path)
{
    QFile file(qtPath(path));
    if (auto problem = openToRead(path, file))
        return *problem;
    // Read straight into the string: a table of stringers can be megabytes.
    std::string bytes;
    for (;;) {
        const std::size_t start = bytes.size();
        const auto expected = static_cast<std::size_t>(std::max<qint64>(file.size(), 0));
        bytes.resize(start + (expected > start ? expected - start : std::size_t{1} << 16));
        errno = 0;
        const qint64 read = file.read(bytes.data() + start, static_cast<qint64>(bytes.size() - start));
        if (read < 0)
            return cannotRead(path, file, errno);
        bytes.resize(start + static_cast<std::size_t>(read));
        if (read == 0)
            return bytes;
    }
}

}  // namespace tarrowin
