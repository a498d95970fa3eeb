#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// What every temporary name of a save holds between the file's name and its six random characters.
constexpr QLatin1StringView kSaveMark(".brannock-save-");
constexpr qsizetype kRandomChars = 6;
constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

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

FileSaveStatus saveFailure(int error)
{
    return outOfSpace(error) ? FileSaveStatus::NoSpace : FileSaveStatus::Failed;
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

// The folder part of an encoded path ("." for a bare name) and its last part.
QByteArray folderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) return QByteArrayLiteral(".");
    if (slash == 0) return QByteArrayLiteral("/");
    return path.left(slash);
}

QByteArray lastPartOf(const QByteArray& path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

// The file a save of `path` replaces or creates.
struct SaveTarget {
    QByteArray path;
    bool exists = false;
    mode_t mode = 0;
};

// Follows links from `path` while they lead on. Nothing when the end is not a regular file or no
// file at all: a pipe, socket, device or folder, a loop of links, a path that cannot be looked at.
std::optional<SaveTarget> saveTargetOf(QByteArray path)
{
    // As many links as the system itself follows on opening a path.
    for (int links = 0; links <= 40; ++links) {
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0) {
            if (errno != ENOENT) return std::nullopt;
            return SaveTarget{path, false, 0}; // a new file, or the missing end of a link
        }
        if (S_ISREG(st.st_mode)) return SaveTarget{path, true, st.st_mode};
        if (!S_ISLNK(st.st_mode)) return std::nullopt;
        char to[PATH_MAX];
        const ssize_t n = ::readlink(path.constData(), to, sizeof to);
        if (n <= 0 || size_t(n) >= sizeof to) return std::nullopt;
        const QByteArray next(to, n);
        path = next.startsWith('/') ? next : folderOf(path) + '/' + next;
    }
    return std::nullopt;
}

// Removes, of what is in `folder`, only the regular files that saves of `fileName` cut short left:
// nothing else of the folder is ours to delete.
void removeLeftovers(const QByteArray& folder, const QByteArray& fileName)
{
    const QString name = QFile::decodeName(fileName);
    const QStringList entries =
        QDir(QFile::decodeName(folder))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (!isSaveLeftover(entry, name)) continue;
        const QByteArray leftover = folder + '/' + QFile::encodeName(entry);
        struct stat st {};
        if (::lstat(leftover.constData(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(leftover.constData());
    }
}

QByteArray randomChars()
{
    QByteArray chars(kRandomChars, Qt::Uninitialized);
    for (char& c : chars)
        c = kAlphabet[QRandomGenerator::global()->bounded(int(sizeof kAlphabet - 1))];
    return chars;
}

// Makes the bytes a file of their own in the folder, on the disk, not yet under its final name;
// the file's name is set in `temp`. Gives an errno value, 0 when done (the file then exists).
int writeTemporary(const SaveTarget& target, QByteArrayView bytes, QByteArray& temp)
{
    const QByteArray stem = target.path + QByteArray(kSaveMark.data(), kSaveMark.size());
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = stem + randomChars();
        // Readable by nobody else until it has the old file's permissions.
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY,
                    target.exists ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST) return errno;
    }
    if (fd < 0) return EEXIST;
    // Permissions are kept where the file system has them; one without them (FAT) still saves.
    if (target.exists) (void)::fchmod(fd, target.mode & 0777);
    int error = writeAll(fd, bytes);
    if (error == 0 && ::fdatasync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) ::unlink(temp.constData());
    return error;
}

// A rename is on the disk once its folder is: without this, a crash soon after a save could bring
// the old file back. The file itself is already whole under its new name, so a failure here does
// not undo the save.
void syncFolder(const QByteArray& folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
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

void writesFailAtFileSizeLimit()
{
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGXFSZ, &ignore, nullptr);
}

bool isSaveLeftover(const QString& name, const QString& fileName)
{
    const qsizetype stem = fileName.size() + kSaveMark.size();
    if (fileName.isEmpty() || name.size() != stem + kRandomChars || !name.startsWith(fileName) ||
        QStringView(name).sliced(fileName.size(), kSaveMark.size()) != kSaveMark)
        return false;
    for (qsizetype i = stem; i < name.size(); ++i) {
        const char16_t c = name.at(i).unicode();
        if (!((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'))) return false;
    }
    return true;
}

FileSaveStatus saveFileWhole(const QString& path, QByteArrayView bytes)
{
    const std::optional<SaveTarget> target = saveTargetOf(QFile::encodeName(path));
    if (!target) return FileSaveStatus::Failed;
    const QByteArray folder = folderOf(target->path);
    const QByteArray fileName = lastPartOf(target->path);
    if (fileName.isEmpty()) return FileSaveStatus::Failed;
    // A file we may not write is not replaced behind its owner's back.
    if (target->exists && ::faccessat(AT_FDCWD, target->path.constData(), W_OK, AT_EACCESS) != 0)
        return FileSaveStatus::Failed;
    removeLeftovers(folder, fileName);
    QByteArray temp;
    if (const int error = writeTemporary(*target, bytes, temp); error != 0) return saveFailure(error);
    if (::rename(temp.constData(), target->path.constData()) != 0) {
        const int error = errno;
        ::unlink(temp.constData());
        return saveFailure(error);
    }
    syncFolder(folder);
    return FileSaveStatus::Ok;
}

} // namespace platform
