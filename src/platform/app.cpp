#include "platform/app.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::app {

namespace {

struct AppState {
    QString path;
    QString exeName;
    QString title;
    std::unique_ptr<InstanceLock> lock;
    std::optional<bool> prevInstance;
    std::function<void()> endHandler;
    int lastEndCode = 0;
};

AppState& state()
{
    static AppState s;
    return s;
}

QString withoutTrailingSeparator(QString folder)
{
    while (folder.size() > 1 && (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\'))))
        folder.chop(1);
    return folder;
}

} // namespace

QString path()
{
    const QString& p = state().path;
    if (!p.isEmpty()) return p;
    if (QCoreApplication::instance()) return withoutTrailingSeparator(QCoreApplication::applicationDirPath());
    return withoutTrailingSeparator(QDir::currentPath());
}

void setPath(const QString& folder)
{
    state().path = folder.isEmpty() ? QString() : withoutTrailingSeparator(folder);
}

QString exeName()
{
    const QString& n = state().exeName;
    if (!n.isEmpty()) return n;
    QString name = QCoreApplication::instance()
                       ? QFileInfo(QCoreApplication::applicationFilePath()).fileName()
                       : QString();
    if (name.isEmpty()) name = QCoreApplication::applicationName();
    if (name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)) name.chop(4);
    return name;
}

void setExeName(const QString& name)
{
    state().exeName = name;
}

QString title()
{
    const QString& t = state().title;
    return t.isEmpty() ? exeName() : t;
}

void setTitle(const QString& title)
{
    state().title = title;
}

// ---------------------------------------------------------------------------------------------

struct InstanceLock::Impl {
    QString file;
    int fd = -1;       // the open lock, held for as long as it is open
    bool ours = false; // a lock file of ours, removed when let go (not a folder or a file of other names)
    pid_t holder = 0;  // the process that took it (a forked child shares the descriptor)
    bool heldByAnother = false;
    dev_t device = 0;
    ino_t inode = 0;
};

InstanceLock::InstanceLock(const QString& programName, const QString& folder)
    : d(std::make_unique<Impl>())
{
    QString name = programName;
    // The name becomes part of a file name: keep it inside the folder.
    name.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char('\\'), QLatin1Char('_'));
    if (name.isEmpty()) name = QStringLiteral("program");
    const QString dir = folder.isEmpty() ? defaultFolder() : folder;
    d->file = dir + QLatin1Char('/') + name + QLatin1Char('-') + QString::number(::getuid()) +
              QStringLiteral(".lock");
}

InstanceLock::~InstanceLock()
{
    unlock();
}

namespace {

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

// The lock is the kernel's lock on an open descriptor of the lock's name: two copies started at
// the same instant cannot both get it, and it ends with its process however that ends, so a lock
// file that names no running process, or names nothing at all, is no copy's. What the file says
// is only for the reader.
bool InstanceLock::tryLock()
{
    if (d->fd >= 0) return true;
    d->heldByAnother = false;
    const QByteArray path = QFile::encodeName(d->file);
    // The name is let go by removing it: one opened just before that is given up and opened again.
    for (int attempt = 0; attempt < 16; ++attempt) {
        struct stat named {};
        bool folder = false;
        if (::lstat(path.constData(), &named) == 0) {
            folder = S_ISDIR(named.st_mode);
            // A link, pipe, socket or device is nothing of ours to replace or to write to.
            if (!folder && !S_ISREG(named.st_mode)) return false;
        } else if (errno != ENOENT) {
            return false;
        }
        // A folder in the lock's place is not ours to remove: the lock is held on the folder itself.
        int fd = folder ? ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC)
                        : ::open(path.constData(),
                                 O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
        // A lock file that this user may read but not write still takes the lock.
        if (fd < 0 && !folder && errno == EACCES)
            fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) {
            if (errno == ELOOP || errno == ENOTDIR || errno == EISDIR || (folder && errno == ENOENT))
                continue; // the name changed kind since it was looked at
            return false; // a full disk, a folder that cannot be written: no lock, and no copy
        }
        struct stat held {};
        if (::fstat(fd, &held) != 0 || (S_ISDIR(held.st_mode) != folder) ||
            (!folder && !S_ISREG(held.st_mode))) {
            ::close(fd);
            continue;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            d->heldByAnother = errno == EWOULDBLOCK;
            ::close(fd);
            return false;
        }
        // Still the lock's name? A copy that let go removed it after this one opened it.
        struct stat now {};
        if (::lstat(path.constData(), &now) != 0 || !sameFile(now, held)) {
            ::close(fd);
            continue;
        }
        d->fd = fd;
        d->ours = !folder && held.st_nlink == 1;
        d->holder = ::getpid();
        d->device = held.st_dev;
        d->inode = held.st_ino;
        // A stale lock is replaced by this copy's: its process number for the reader. A file with
        // other names is someone's data and stays as it is; a full disk leaves the file empty. The
        // lock holds all the same.
        if (d->ours && ::ftruncate(fd, 0) == 0) {
            const QByteArray text = QByteArray::number(qint64(::getpid())) + '\n';
            [[maybe_unused]] const ssize_t written = ::write(fd, text.constData(), size_t(text.size()));
        }
        return true;
    }
    return false;
}

bool InstanceLock::heldByAnother() const
{
    return d->fd < 0 && d->heldByAnother;
}

bool InstanceLock::isLocked() const
{
    return d->fd >= 0;
}

void InstanceLock::unlock()
{
    if (d->fd < 0) return;
    // Removed while still held, so that a copy that opened it meanwhile sees it gone and opens the
    // name afresh. A forked child only closes its copy of the descriptor: the lock stays its
    // parent's.
    if (d->ours && d->holder == ::getpid()) {
        struct stat now {};
        const QByteArray path = QFile::encodeName(d->file);
        if (::lstat(path.constData(), &now) == 0 && now.st_dev == d->device && now.st_ino == d->inode)
            ::unlink(path.constData());
    }
    ::close(d->fd);
    d->fd = -1;
}

QString InstanceLock::fileName() const
{
    return d->file;
}

QString InstanceLock::defaultFolder()
{
    // Beside the data it protects: copies started with different environments still meet there.
    const QFileInfo program(path());
    if (program.isDir() && program.isWritable()) return withoutTrailingSeparator(program.filePath());
    // QStandardPaths::RuntimeLocation warns and invents a folder when XDG_RUNTIME_DIR is unset;
    // the temporary folder is just as good then, since the file name carries the user id.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) {
        const QFileInfo info(runtime);
        if (info.isDir() && info.isWritable()) return withoutTrailingSeparator(runtime);
    }
    return withoutTrailingSeparator(QDir::tempPath());
}

bool prevInstance()
{
    AppState& s = state();
    if (!s.prevInstance) {
        s.lock = std::make_unique<InstanceLock>(exeName());
        // Only a running copy holding the lock is another copy: a lock that cannot be written (a
        // full disk, a folder that cannot be written) leaves this copy running without it.
        const bool locked = s.lock->tryLock();
        s.prevInstance = !locked && s.lock->heldByAnother();
        if (!locked) s.lock.reset();
    }
    return *s.prevInstance;
}

void releaseInstanceLock()
{
    AppState& s = state();
    s.lock.reset();
    s.prevInstance.reset();
}

// ---------------------------------------------------------------------------------------------

void setEndHandler(std::function<void()> handler)
{
    state().endHandler = std::move(handler);
}

namespace {

[[noreturn]] void endProcess(int exitCode)
{
    // No destructors, no close events: the program stops where it stands. Files the screens
    // write are complete on disk when their write returns, so nothing is lost.
    releaseInstanceLock();
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

} // namespace

int lastEndCode()
{
    return state().lastEndCode;
}

void endNow(int exitCode)
{
    state().lastEndCode = exitCode;
    if (const auto handler = state().endHandler) {
        handler();
        throw EndRequested{};
    }
    endProcess(exitCode);
}

void end(int exitCode)
{
    state().lastEndCode = exitCode;
    if (const auto handler = state().endHandler) {
        handler();
        return;
    }
    endProcess(exitCode);
}

} // namespace platform::app
