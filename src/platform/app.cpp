#include "platform/app.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include <cstdio>
#include <cstdlib>
#include <optional>
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
    explicit Impl(const QString& file)
        : lock(file)
    {
        // Held for the life of the process: never stale by age, only when its process is gone.
        lock.setStaleLockTime(0);
    }
    QLockFile lock;
};

InstanceLock::InstanceLock(const QString& programName, const QString& folder)
{
    QString name = programName;
    // The name becomes part of a file name: keep it inside the folder.
    name.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char('\\'), QLatin1Char('_'));
    if (name.isEmpty()) name = QStringLiteral("program");
    const QString dir = folder.isEmpty() ? defaultFolder() : folder;
    d = std::make_unique<Impl>(dir + QLatin1Char('/') + name + QLatin1Char('-') +
                               QString::number(::getuid()) + QStringLiteral(".lock"));
}

InstanceLock::~InstanceLock() = default; // QLockFile lets a held lock go

bool InstanceLock::tryLock()
{
    if (d->lock.isLocked()) return true;
    return d->lock.tryLock(0);
}

bool InstanceLock::heldByAnother() const
{
    if (d->lock.isLocked() || d->lock.error() != QLockFile::LockFailedError) return false;
    // A file that names no process is no copy's: one cut short on a full disk, or no lock file.
    qint64 pid = 0;
    QString host, program;
    return d->lock.getLockInfo(&pid, &host, &program) && pid > 0;
}

bool InstanceLock::isLocked() const
{
    return d->lock.isLocked();
}

void InstanceLock::unlock()
{
    if (d->lock.isLocked()) d->lock.unlock();
}

QString InstanceLock::fileName() const
{
    return d->lock.fileName();
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
