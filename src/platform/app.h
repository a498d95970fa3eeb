#pragma once
// The application object: where the program lives, what it is called, one running copy.
#include <QString>
#include <functional>
#include <memory>

namespace platform::app {

// The program's folder (the folder of the executable) without a trailing separator.
// Tests point it at a temporary installation; an empty folder returns to the executable's.
QString path();
void setPath(const QString& folder);

// The executable's name without folder and without extension (a trailing ".exe" is dropped;
// Linux programs have no other). An empty name returns to the executable's.
QString exeName();
void setExeName(const QString& name);

// The application title: used as the title of a message box that is given none. Until it is
// set (or after it is set to empty) it is exeName().
QString title();
void setTitle(const QString& title);

// The program's version.
constexpr int Major = 2;
constexpr int Minor = 0;
constexpr int Revision = 1;

// True when another copy of this program is already running for this user. The first call
// takes a per-user lock for the program named by exeName() and keeps it until the process ends;
// later calls give the first call's answer. Only a running copy holding the lock is another copy:
// a lock file that names no running process (left by a copy that died, empty, garbage, a folder
// in its place) is taken over, and a lock that cannot be taken for another reason (a full disk, a
// folder that cannot be written, a link or a pipe in its place) leaves the program running
// without it.
bool prevInstance();
// Lets the lock go (tests; the lock also ends with the process); the next prevInstance() asks
// afresh.
void releaseInstanceLock();

// A per-user, per-program lock file: InstanceLock("brannock") is "brannock-<uid>.lock" in the
// program folder, or, when that cannot be written, in $XDG_RUNTIME_DIR or else the temporary
// folder; or in the folder given.
// Held until unlock() or destruction, or until the process ends however it ends; a second holder
// of the same name, in this process or another, is refused while it is held, also when both ask
// at the same instant. A stale lock file is replaced by this holder's (its process number); a
// folder in its place is kept and held as it is. A lock file is removed when it is let go.
class InstanceLock {
public:
    explicit InstanceLock(const QString& programName, const QString& folder = QString());
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    bool tryLock(); // true when this object holds the lock now
    // After a tryLock() that failed: whether a running process holds the lock (and not merely
    // that the lock file could not be made or opened).
    bool heldByAnother() const;
    bool isLocked() const;
    void unlock();
    QString fileName() const;

    static QString defaultFolder();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// Ends the program at once, as the End statement does: no unload or close events, nothing after
// it runs. The instance lock is let go and standard output flushed, then the process exits with
// exitCode (0 for an ordinary end, non-zero when the program could not do its work). Tests
// replace the ending by a handler of their own; after the handler endNow() throws EndRequested
// (it must not return), so a test that reaches it catches that; end() returns.
[[noreturn]] void endNow(int exitCode = 0);
void end(int exitCode = 0);
void setEndHandler(std::function<void()> handler); // empty restores the real ending
// The exit code the last end()/endNow() asked for (tests read it after their handler ran).
int lastEndCode();

struct EndRequested {};

} // namespace platform::app
