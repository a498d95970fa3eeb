// Whole files: a read stops at the reader's limit, a save replaces only a regular file (through
// links too) and leaves every special file where it was.
#include "platform/files.h"
#include "support/child.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace platform;

namespace {

QByteArray encoded(const QString& path)
{
    return QFile::encodeName(path);
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// A file of `size` bytes that takes no room on the disk: what a reader gets is zeros.
bool makeSparse(const QString& path, qint64 size, const QByteArray& start = {})
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(start) == start.size() && f.resize(size);
}

bool makeFifo(const QString& path)
{
    return ::mkfifo(encoded(path).constData(), 0600) == 0;
}

// A socket file left behind by a server, as a local socket's owner leaves it.
bool makeSocket(const QString& path)
{
    const QByteArray name = encoded(path);
    sockaddr_un address{};
    if (size_t(name.size()) >= sizeof address.sun_path) return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0) return false;
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

bool makeLink(const QString& to, const QString& path)
{
    return ::symlink(encoded(to).constData(), encoded(path).constData()) == 0;
}

// What stands at a path, links not followed: file, pipe, socket, link, dir or none.
std::string kindOf(const QString& path)
{
    struct stat st {};
    if (::lstat(encoded(path).constData(), &st) != 0) return "none";
    if (S_ISREG(st.st_mode)) return "file";
    if (S_ISFIFO(st.st_mode)) return "pipe";
    if (S_ISSOCK(st.st_mode)) return "socket";
    if (S_ISLNK(st.st_mode)) return "link";
    if (S_ISDIR(st.st_mode)) return "dir";
    return "other";
}

QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

// The names in a case's folder and in its "other" folder ("other/NAME"), sorted.
QStringList everythingIn(const QString& dir)
{
    QStringList all = entriesOf(dir);
    for (const QString& name : entriesOf(dir + QStringLiteral("other")))
        all << QStringLiteral("other/") + name;
    all.sort();
    return all;
}

} // namespace

TEST(ReadRegularFile, ReadsToTheEndWithinTheLimit)
{
    QTemporaryDir dir;
    const QByteArray ten = "0123456789";
    const QByteArray big = QByteArray(100000, 'x') + "end";
    const struct {
        const char* what;
        QByteArray bytes;
        qint64 maxBytes;
        FileReadStatus status;
    } cases[] = {
        {"exactly the limit", ten, 10, FileReadStatus::Ok},
        {"one byte beyond it", ten, 9, FileReadStatus::Failed},
        {"an empty file, no room at all", {}, 0, FileReadStatus::Ok},
        {"one byte, no room at all", "x", 0, FileReadStatus::Failed},
        {"more than one first buffer", big, MaxTextFileBytes, FileReadStatus::Ok},
        {"beyond the limit by far", big, 1000, FileReadStatus::Failed},
    };
    int k = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = dir.filePath(QString::number(++k));
        ASSERT_TRUE(writeFile(path, c.bytes));
        const FileRead r = readRegularFile(path, c.maxBytes);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.bytes, c.status == FileReadStatus::Ok ? c.bytes : QByteArray());
    }

    // The reads decide how much there is, not the size the file system reports (none, here).
    if (QFile::exists(QStringLiteral("/proc/self/status"))) {
        const FileRead status = readRegularFile(QStringLiteral("/proc/self/status"));
        ASSERT_TRUE(status.ok());
        EXPECT_TRUE(status.bytes.startsWith("Name:")) << status.bytes.left(40).toStdString();
    }
}

// A sparse file of 2 GB in place of a bank, progress or settings file once took half a minute
// and 2 GB of memory to read. In a child with a time and memory limit, since a reader that read
// it whole would stall or exhaust the test machine.
TEST(ReadRegularFile, AFileFarBeyondTheLimitFailsAtOnce)
{
    QTemporaryDir dir;
    const QString huge = dir.filePath(QStringLiteral("288893.rar"));
    ASSERT_TRUE(makeSparse(huge, qint64(2) << 30, "TTFF\r\n"));
    const QString atLimit = dir.filePath(QStringLiteral("288892.rar"));
    ASSERT_TRUE(makeSparse(atLimit, MaxTextFileBytes));
    const QString overLimit = dir.filePath(QStringLiteral("288891.rar"));
    ASSERT_TRUE(makeSparse(overLimit, MaxTextFileBytes + 1));
    const int result = testkit::inChild(
        [&] {
            int faults = 0;
            if (readRegularFile(huge).status != FileReadStatus::Failed) faults |= 1;
            if (readRegularFile(overLimit).status != FileReadStatus::Failed) faults |= 2;
            const FileRead kept = readRegularFile(atLimit);
            if (!kept.ok() || kept.bytes.size() != MaxTextFileBytes) faults |= 4;
            return faults;
        },
        3, [] { testkit::limitMemory(); });
    EXPECT_EQ(result, 0);
}

// Every case in a folder of its own, with a second folder ("other") for the ends of links.
TEST(SaveFileWhole, ReplacesOnlyARegularFileThroughLinksAndLeavesSpecialFilesAlone)
{
    const QByteArray old = "old\r\n";
    const QByteArray bytes = "new\r\n";
    struct Case {
        const char* what;
        std::function<bool(const QString& dir)> make; // `dir` ends with '/'
        FileSaveStatus status;
        // after the save: each path (in the case's folder) and what stands there
        std::vector<std::pair<QString, std::string>> after;
        QString written; // the file that holds the new bytes after an Ok save
    };
    const Case cases[] = {
        {"a named pipe in its place",
         [](const QString& d) { return makeFifo(d + "p.rar"); },
         FileSaveStatus::Failed,
         {{"p.rar", "pipe"}},
         {}},
        {"a socket in its place",
         [](const QString& d) { return makeSocket(d + "p.rar"); },
         FileSaveStatus::Failed,
         {{"p.rar", "socket"}},
         {}},
        {"a folder in its place",
         [](const QString& d) { return QDir().mkdir(d + "p.rar"); },
         FileSaveStatus::Failed,
         {{"p.rar", "dir"}},
         {}},
        {"a link to a named pipe",
         [](const QString& d) {
             return makeFifo(d + "other/fifo") && makeLink(d + "other/fifo", d + "p.rar");
         },
         FileSaveStatus::Failed,
         {{"p.rar", "link"}, {"other/fifo", "pipe"}},
         {}},
        {"a relative link to a socket",
         [](const QString& d) { return makeSocket(d + "other/sock") && makeLink("other/sock", d + "p.rar"); },
         FileSaveStatus::Failed,
         {{"p.rar", "link"}, {"other/sock", "socket"}},
         {}},
        {"a chain of links ending at a named pipe",
         [](const QString& d) {
             return makeFifo(d + "other/fifo") && makeLink("../p.rar", d + "other/mid") &&
                    makeLink("other/mid", d + "q.rar") && makeLink("other/fifo", d + "p.rar");
         },
         FileSaveStatus::Failed,
         {{"q.rar", "link"}, {"other/mid", "link"}, {"p.rar", "link"}, {"other/fifo", "pipe"}},
         {}},
        {"a link to a folder",
         [](const QString& d) { return makeLink(d + "other", d + "p.rar"); },
         FileSaveStatus::Failed,
         {{"p.rar", "link"}, {"other", "dir"}},
         {}},
        {"a loop of links",
         [](const QString& d) { return makeLink("q.rar", d + "p.rar") && makeLink("p.rar", d + "q.rar"); },
         FileSaveStatus::Failed,
         {{"p.rar", "link"}, {"q.rar", "link"}},
         {}},
        {"a regular file",
         [&](const QString& d) { return writeFile(d + "p.rar", old); },
         FileSaveStatus::Ok,
         {{"p.rar", "file"}},
         "p.rar"},
        {"no file yet",
         [](const QString&) { return true; },
         FileSaveStatus::Ok,
         {{"p.rar", "file"}},
         "p.rar"},
        {"a link to a regular file",
         [&](const QString& d) {
             return writeFile(d + "other/p.txt", old) && makeLink("other/p.txt", d + "p.rar");
         },
         FileSaveStatus::Ok,
         {{"p.rar", "link"}, {"other/p.txt", "file"}},
         "other/p.txt"},
        {"a chain of links ending at a regular file in another folder",
         [&](const QString& d) {
             return writeFile(d + "other/p.txt", old) && makeLink(d + "other/p.txt", d + "other/mid") &&
                    makeLink("other/mid", d + "p.rar");
         },
         FileSaveStatus::Ok,
         {{"p.rar", "link"}, {"other/mid", "link"}, {"other/p.txt", "file"}},
         "other/p.txt"},
        {"a link to no file: the file is made where it points",
         [](const QString& d) { return makeLink("other/p.txt", d + "p.rar"); },
         FileSaveStatus::Ok,
         {{"p.rar", "link"}, {"other/p.txt", "file"}},
         "other/p.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString d = dir.path() + u'/';
        ASSERT_TRUE(QDir().mkdir(d + "other"));
        ASSERT_TRUE(c.make(d));
        const QStringList before = everythingIn(d);
        EXPECT_EQ(saveFileWhole(d + "p.rar", bytes), c.status);
        for (const auto& [path, kind] : c.after)
            EXPECT_EQ(kindOf(d + path), kind) << path.toStdString();
        if (!c.written.isEmpty()) {
            EXPECT_EQ(readAll(d + c.written), bytes);
        }
        // Nothing else was made or removed: no temporary file stays beside either end.
        QStringList expected = before;
        if (!c.written.isEmpty() && !before.contains(c.written)) expected << c.written;
        expected.sort();
        EXPECT_EQ(everythingIn(d), expected);
    }
}

TEST(SaveFileWhole, KeepsTheOldFilesPermissions)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("288893.rar"));
    ASSERT_TRUE(writeFile(path, "old"));
    ASSERT_EQ(::chmod(encoded(path).constData(), 0640), 0);
    ASSERT_EQ(saveFileWhole(path, "new"), FileSaveStatus::Ok);
    struct stat st {};
    ASSERT_EQ(::stat(encoded(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);

    // A file its owner made read-only is not replaced (not testable as root, who writes anything).
    if (::geteuid() != 0) {
        ASSERT_EQ(::chmod(encoded(path).constData(), 0440), 0);
        EXPECT_EQ(saveFileWhole(path, "newer"), FileSaveStatus::Failed);
        EXPECT_EQ(readAll(path), QByteArray("new"));
        EXPECT_EQ(entriesOf(dir.path()), QStringList{"288893.rar"});
    }

    // A new file gets what the user's file-creation mask allows.
    const mode_t mask = ::umask(027);
    const QString fresh = dir.filePath(QStringLiteral("288892.rar"));
    const FileSaveStatus saved = saveFileWhole(fresh, "new");
    ::umask(mask);
    ASSERT_EQ(saved, FileSaveStatus::Ok);
    ASSERT_EQ(::stat(encoded(fresh).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// A program under a file-size limit (a quota, a limit its parent set) is told a save failed, as on
// a full disk, and keeps running: the limit's signal does not end it.
TEST(SaveFileWhole, AFileSizeLimitFailsTheSaveAndTheProgramGoesOn)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("288893.rar"));
    ASSERT_TRUE(writeFile(path, "old"));
    const int result = testkit::inChild(
        [&] {
            writesFailAtFileSizeLimit();
            if (saveFileWhole(path, QByteArray(4096, 'x')) != FileSaveStatus::NoSpace) return 1;
            return readAll(path) == "old" ? 0 : 2;
        },
        20,
        [] {
            const rlimit limit{64, 64};
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) std::_Exit(254);
        });
    EXPECT_EQ(result, 0); // -1: the signal ended the program
}
