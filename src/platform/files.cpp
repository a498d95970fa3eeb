#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

FileReadStatus statusOfType(mode_t mode)
{
    if (S_ISREG(mode)) return FileReadStatus::Ok;
    if (S_ISDIR(mode)) return FileReadStatus::Failed;
    return FileReadStatus::Special;
}

bool outOfSpace(int error)
{
    return error == ENOSPC || error == EDQUOT || error == EFBIG;
}

// Writes every byte to fd, or gives the error that stopped it.
int writeAll(int fd, QByteArrayView bytes)
{
    const char* p = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return EIO;
        p += n;
        left -= n;
    }
    return 0;
}

// Removes what saves of the file cut short left in its folder.
void removeLeftovers(const QString& path)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (name.isEmpty()) return;
    const QDir dir = info.dir();
    const QStringList entries =
        dir.entryList({name + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QString& entry : entries)
        if (isSaveLeftover(entry, name)) QFile::remove(dir.filePath(entry));
}

} // namespace

FileRead readRegularFile(const QString& path, qint64 maxBytes)
{
    FileRead r;
    const QByteArray name = QFile::encodeName(path);
    // The type is known before opening: opening a pipe for reading waits for a writer.
    struct stat st {};
    if (name.isEmpty() || ::stat(name.constData(), &st) != 0) {
        r.status = (name.isEmpty() || errno == ENOENT || errno == ENOTDIR) ? FileReadStatus::Missing
                                                                           : FileReadStatus::Failed;
        return r;
    }
    if (const FileReadStatus type = statusOfType(st.st_mode); type != FileReadStatus::Ok) {
        r.status = type;
        return r;
    }
    // Without waiting even if the name was replaced by a pipe meanwhile; the type is then checked
    // again on what was opened.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        r.status = errno == ENOENT ? FileReadStatus::Missing : FileReadStatus::Failed;
        return r;
    }
    r.status = FileReadStatus::Failed;
    if (::fstat(fd, &st) == 0) r.status = statusOfType(st.st_mode);
    if (r.status == FileReadStatus::Ok) {
        // One byte beyond the limit is enough to know the file is too large. The reported size
        // only sizes the first buffer: the reads decide how much there is.
        const qint64 most = std::max<qint64>(maxBytes, 0) + 1;
        QByteArray bytes(qsizetype(std::clamp<qint64>(qint64(st.st_size) + 1, 1, most)), Qt::Uninitialized);
        qsizetype got = 0;
        for (;;) {
            if (got == bytes.size()) {
                if (got >= most) break;
                bytes.resize(qsizetype(std::min<qint64>(most, std::max<qint64>(4096, 2 * qint64(got)))));
            }
            const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                r.status = FileReadStatus::Failed;
                break;
            }
            if (n == 0) break;
            got += n;
        }
        if (got > maxBytes) r.status = FileReadStatus::Failed;
        bytes.truncate(got);
        if (r.status == FileReadStatus::Ok) r.bytes = std::move(bytes);
    }
    ::close(fd);
    return r;
}

bool isSaveLeftover(const QString& name, const QString& fileName)
{
    // The temporary name of a save: the file's name, a dot and six letters or digits.
    if (name.size() != fileName.size() + 7 || !name.startsWith(fileName) || name.at(fileName.size()) != u'.')
        return false;
    for (qsizetype i = fileName.size() + 1; i < name.size(); ++i) {
        const char16_t c = name.at(i).unicode();
        if (!((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'))) return false;
    }
    return true;
}

FileSaveStatus saveFileWhole(const QString& path, QByteArrayView bytes)
{
    removeLeftovers(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return outOfSpace(errno) ? FileSaveStatus::NoSpace : FileSaveStatus::Failed;
    // Written and synced here, each step checked: the save file's own commit renames even after
    // a write it could not complete (a full disk gave an empty file and success).
    const int fd = file.handle();
    int error = fd < 0 ? EBADF : writeAll(fd, bytes);
    if (error == 0 && ::fdatasync(fd) != 0) error = errno;
    if (error != 0 || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return outOfSpace(error) ? FileSaveStatus::NoSpace : FileSaveStatus::Failed;
    }
    return file.commit() ? FileSaveStatus::Ok : FileSaveStatus::Failed;
}

} // namespace platform
