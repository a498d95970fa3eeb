// Whole files: a read stops at the reader's limit.
#include "platform/files.h"
#include "support/child.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform;

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A file of `size` bytes that takes no room on the disk: what a reader gets is zeros.
bool makeSparse(const QString& path, qint64 size, const QByteArray& start = {})
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(start) == start.size() && f.resize(size);
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
