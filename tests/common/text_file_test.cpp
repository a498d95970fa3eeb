#include "common/text_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

#include "support/child.h"

using namespace common;

namespace {

QByteArray gbk(const char* hex)
{
    return QByteArray::fromHex(hex);
}

// "中文" in GBK, and "测试" and "€".
const QByteArray kZhongWen = gbk("d6d0cec4");
const QByteArray kCeShi = gbk("b2e2cad4");
const QByteArray kEuro = gbk("80");

struct TextFileTest : testing::Test {
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }

    QString writeBytes(const QString& name, const QByteArray& bytes) const
    {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path(name);
    }
    QByteArray readBytes(const QString& p) const
    {
        QFile f(p);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }
};

} // namespace

TEST(Gbk, CodecAvailableAndRoundTrips)
{
    const QString text = QStringLiteral("中文测试€ abc 操作成功！");
    const std::optional<QByteArray> bytes = encodeGbk(text);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_TRUE(bytes->startsWith(kZhongWen + kCeShi + kEuro));
    EXPECT_EQ(decodeGbk(*bytes), text);
}

TEST(Gbk, UnencodableAndBadBytes)
{
    EXPECT_FALSE(encodeGbk(QStringLiteral("a😀b")).has_value());
    EXPECT_FALSE(encodeGbk(QString(QChar(0xd800))).has_value()); // lone surrogate
    EXPECT_FALSE(decodeGbk(gbk("41d6")).has_value());            // lead byte without its trail byte
    EXPECT_FALSE(decodeGbk(gbk("a17f")).has_value());            // not a GBK pair
    EXPECT_EQ(decodeGbk(QByteArray()), QString());
}

TEST_F(TextFileTest, GbkRoundTripByteForByte)
{
    // Chinese text, CR LF, and the extra final CR LF of the progress files.
    const QByteArray bytes = kZhongWen + "\r\n" + "001" + kCeShi + "|abc\r\n" + kEuro + " x\r\n\r\n";
    const QString p = writeBytes("288890.rar", bytes);

    const TextReadResult r = readTextFile(p);
    ASSERT_EQ(r.status, TextStatus::Ok);
    EXPECT_EQ(r.path, p);
    ASSERT_EQ(r.lines.size(), 4);
    EXPECT_EQ(r.lines[0], QStringLiteral("中文"));
    EXPECT_EQ(r.lines[1], QStringLiteral("001测试|abc"));
    EXPECT_EQ(r.lines[2], QStringLiteral("€ x"));
    EXPECT_EQ(r.lines[3], QString());

    // Written back as read: the same bytes.
    const QString copy = path("copy.rar");
    ASSERT_EQ(writeTextFile(copy, r.lines), WriteStatus::Ok);
    EXPECT_EQ(readBytes(copy), bytes);

    // The extra final CR LF as an option.
    const QString copy2 = path("copy2.rar");
    ASSERT_EQ(writeTextFile(copy2, r.lines.mid(0, 3), TextEnding::ExtraCrLfAtEnd), WriteStatus::Ok);
    EXPECT_EQ(readBytes(copy2), bytes);
}

TEST_F(TextFileTest, LineEnds)
{
    const std::pair<const char*, QStringList> cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"a\r\nb\r\n\r\n", {"a", "b", ""}},
        {"a\nb\n", {"a", "b"}},         // LF alone
        {"a\nb\r\nc", {"a", "b", "c"}}, // mixed
        {"a\rb\r", {"a", "b"}},         // a lone CR ends a line too
        {"\r\n", {""}},
        {"\r\n\r\n", {"", ""}},
        {"a\r\r\nb", {"a", "", "b"}},
        {" a \r\n", {" a "}}, // nothing is trimmed
    };
    int k = 0;
    for (const auto& [bytes, lines] : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(bytes)));
        const QString p = writeBytes(QStringLiteral("f%1.rar").arg(k++), QByteArray(bytes));
        const TextReadResult r = readTextFile(p);
        EXPECT_EQ(r.status, TextStatus::Ok);
        EXPECT_EQ(r.lines, lines);
    }
}

TEST_F(TextFileTest, WrittenFormat)
{
    const QString p = path("w.rar");
    ASSERT_EQ(writeTextFile(p, {"1"}), WriteStatus::Ok);
    EXPECT_EQ(readBytes(p), QByteArray("1\r\n"));
    ASSERT_EQ(writeTextFile(p, {}), WriteStatus::Ok);
    EXPECT_EQ(readBytes(p), QByteArray());
    ASSERT_EQ(writeTextFile(p, {}, TextEnding::ExtraCrLfAtEnd), WriteStatus::Ok);
    EXPECT_EQ(readBytes(p), QByteArray("\r\n"));
    ASSERT_EQ(writeTextFile(p, {"a", "", "b"}, TextEnding::ExtraCrLfAtEnd), WriteStatus::Ok);
    EXPECT_EQ(readBytes(p), QByteArray("a\r\n\r\nb\r\n\r\n"));
}

TEST_F(TextFileTest, MissingAndUnreadable)
{
    EXPECT_EQ(readTextFile(path("none.rar")).status, TextStatus::Missing);
    EXPECT_EQ(readTextFile(path("nofolder/none.rar")).status, TextStatus::Missing);

    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.rar"));
    const TextReadResult r = readTextFile(path("folder.rar"));
    EXPECT_EQ(r.status, TextStatus::Unreadable);
    EXPECT_TRUE(r.lines.isEmpty());

    // A file without read permission (not testable as root, who reads everything).
    const QString p = writeBytes("locked.rar", "x\r\n");
    QFile::setPermissions(p, QFileDevice::WriteOwner);
    if (::geteuid() != 0) {
        EXPECT_EQ(readTextFile(p).status, TextStatus::Unreadable);
    }
    QFile::setPermissions(p, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST_F(TextFileTest, BadBytesAreReported)
{
    const QByteArray bytes = QByteArray("ok\r\n") + gbk("41a17f") + "\r\n" + kZhongWen + "\r\n" + gbk("d6");
    const QString p = writeBytes("bad.rar", bytes);
    const TextReadResult r = readTextFile(p);
    EXPECT_EQ(r.status, TextStatus::BadEncoding);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.badLines, (QList<int>{2, 4}));
    ASSERT_EQ(r.lines.size(), 4);
    EXPECT_EQ(r.lines[0], "ok");
    EXPECT_EQ(r.lines[2], QStringLiteral("中文"));
    EXPECT_TRUE(r.lines[1].contains(QChar::ReplacementCharacter));

    // Reading up to a good line is not disturbed by a bad one elsewhere.
    EXPECT_EQ(readLineOrLast(p, 3).status, TextStatus::Ok);
    EXPECT_EQ(readLineOrLast(p, 3).line, QStringLiteral("中文"));
    EXPECT_EQ(readLineOrLast(p, 2).status, TextStatus::BadEncoding);
    EXPECT_EQ(readLineOrLast(p, 9).status, TextStatus::BadEncoding); // the last line is bad
}

TEST_F(TextFileTest, UnencodableWriteLeavesTheOldFile)
{
    const QByteArray old = kZhongWen + "\r\n";
    const QString p = writeBytes("288897.rar", old);
    EXPECT_EQ(writeTextFile(p, {QStringLiteral("ok"), QStringLiteral("😀")}), WriteStatus::Unencodable);
    EXPECT_EQ(readBytes(p), old);
    EXPECT_EQ(writeTextFile(path("new.rar"), {QStringLiteral("😀")}), WriteStatus::Unencodable);
    EXPECT_FALSE(QFile::exists(path("new.rar")));
}

TEST_F(TextFileTest, FailingWriteLeavesTheOldFile)
{
    // A name so long that no temporary name can be made beside it: the replacement fails, even for
    // root, and the old file must stay whole.
    const QString name = QString(250, u'a');
    const QByteArray old = "old\r\n";
    const QString p = writeBytes(name, old);
    ASSERT_EQ(readBytes(p), old);
    EXPECT_EQ(writeTextFile(p, {"new", "content"}), WriteStatus::Failed);
    EXPECT_EQ(readBytes(p), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

    // A folder that does not exist.
    EXPECT_EQ(writeTextFile(path("nofolder/x.rar"), {"x"}), WriteStatus::Failed);
}

TEST_F(TextFileTest, AFullDiskLeavesTheOldFileAndSaysSo)
{
    const QByteArray old = "TTFF\r\n\r\n";
    const QString p = writeBytes("288893.rar", old);
    const QStringList lines{"TTTTTTTTTT", "FFFF", "TTFTFFFF"};
    // 0: the write said the disk is full; 1: it said it succeeded.
    const int result = testkit::onAFullDisk([&] {
        const WriteStatus w = writeTextFile(p, lines, TextEnding::ExtraCrLfAtEnd);
        return w == WriteStatus::NoSpace ? 0 : w == WriteStatus::Ok ? 1 : 2;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(readBytes(p), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"288893.rar"});
    // A new file is not left empty either.
    const int fresh = testkit::onAFullDisk([&] { return int(writeTextFile(path("new.rar"), lines)); });
    EXPECT_EQ(fresh, int(WriteStatus::NoSpace));
    EXPECT_FALSE(QFile::exists(path("new.rar")));
}

TEST_F(TextFileTest, OnlyLeftoversOfOurOwnSavesAreRemoved)
{
    const QString p = writeBytes("288893.rar", "TT\r\n");
    // What a save of this file cut short leaves: the program made these, and only these go.
    const QStringList ours{"288893.rar.brannock-save-AbCdEf", "288893.rar.brannock-save-x9Y0zQ"};
    const QStringList others{// the candidate's own copies
                             "288893.rar.backup", "288893.rar.BACKUP", "288893.rar.old123",
                             "288893.rar.bak001", "288893.rar.AbCdEf",
                             // near misses of our name, and our name for another file
                             "288893.rar.brannock-save-AbCdE", "288893.rar.brannock-save-AbCdEfG",
                             "288893.rar.brannock-save-Ab-dEf", "288893.rar.Brannock-Save-AbCdEf",
                             "288893.rarbrannock-save-AbCdEf", "288893.RAR.brannock-save-AbCdEf",
                             "208801.rar.brannock-save-AbCdEf"};
    for (const QString& name : ours + others)
        writeBytes(name, "half");
    // Of our names, only regular files are leftovers: a folder or a link is not ours.
    ASSERT_TRUE(QDir(dir.path()).mkdir("288893.rar.brannock-save-Folder"));
    ASSERT_TRUE(QFile::link(path("288893.rar.backup"), path("288893.rar.brannock-save-LinkTo")));
    ASSERT_EQ(writeTextFile(p, {"FF"}), WriteStatus::Ok);
    EXPECT_EQ(readBytes(p), QByteArray("FF\r\n"));
    for (const QString& name : ours)
        EXPECT_FALSE(QFile::exists(path(name))) << name.toStdString();
    for (const QString& name : others)
        EXPECT_EQ(readBytes(path(name)), QByteArray("half")) << name.toStdString();
    EXPECT_TRUE(QFileInfo(path("288893.rar.brannock-save-Folder")).isDir());
    EXPECT_TRUE(QFileInfo(path("288893.rar.brannock-save-LinkTo")).isSymLink());
}

// A 2 GB sparse file in place of a bank or progress file once took half a minute and 2 GB of memory
// to read; it is unreadable, told at once, and never overwritten. In a child with a time and memory
// limit: a reader that read it whole would stall or exhaust the test machine.
TEST_F(TextFileTest, AFileFarLargerThanAnyOfOursIsUnreadableAtOnce)
{
    const QString p = path("288893.rar");
    {
        QFile f(p);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write("TTFF\r\n"), 6);
        ASSERT_TRUE(f.resize(qint64(2) << 30));
    }
    const int result = testkit::inChild(
        [&] {
            int faults = 0;
            const TextReadResult r = readTextFile(p);
            if (r.status != TextStatus::Unreadable || !r.lines.isEmpty()) faults |= 1;
            const LineResult line = readLineOrLast(p, 1);
            if (line.status != TextStatus::Unreadable || line.line) faults |= 2;
            if (readTextEntry(p, 1).status != TextStatus::Unreadable) faults |= 4;
            if (rewriteTextFile(p, r.status, {"TTTT"}, TextEnding::ExtraCrLfAtEnd) != WriteStatus::Refused)
                faults |= 8;
            return faults;
        },
        3, [] { testkit::limitMemory(); });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(QFileInfo(p).size(), qint64(2) << 30);
}

// A progress file with a named pipe in its place, or a link to one, reads as missing; the save
// that follows fails and leaves the pipe as it is, where it once put a new file in its place.
TEST_F(TextFileTest, ASaveLeavesAPipeInTheFilesPlaceAlone)
{
    const QString fifo = path("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("288893.rar")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(fifo, path("288894.rar")));
    for (const QString& name : {QStringLiteral("288893.rar"), QStringLiteral("288894.rar")}) {
        SCOPED_TRACE(name.toStdString());
        const TextReadResult r = readTextFile(path(name));
        ASSERT_EQ(r.status, TextStatus::Missing);
        EXPECT_EQ(rewriteTextFile(path(name), r.status, {"TTTT"}, TextEnding::ExtraCrLfAtEnd),
                  WriteStatus::Failed);
        EXPECT_EQ(QFileInfo(path(name)).isSymLink(), name == "288894.rar");
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(path(name)).constData(), &st), 0);
        EXPECT_TRUE(S_ISFIFO(st.st_mode));
    }
    EXPECT_EQ(
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
        (QStringList{"288893.rar", "288894.rar", "fifo"}));
}

TEST_F(TextFileTest, APipeOrADeviceReadsAsMissingWithoutWaiting)
{
    const QString fifo = path("288871.rar");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const struct {
        const char* what;
        QString path;
    } cases[] = {
        {"a named pipe", fifo},
        {"a link to /dev/zero", path("288821.rar")},
        {"a link to /dev/urandom", path("ver.txt")},
        {"a link to a named pipe", path("sMenu.sys")},
    };
    ASSERT_TRUE(QFile::link("/dev/zero", cases[1].path));
    ASSERT_TRUE(QFile::link("/dev/urandom", cases[2].path));
    ASSERT_TRUE(QFile::link(fifo, cases[3].path));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        // In a child with a time limit, and little memory where no sanitizer needs more: a reader
        // that waited or read without end would hang or exhaust the test machine.
        const int result = testkit::inChild(
            [&] {
                const TextReadResult r = readTextFile(c.path);
                const LineResult line = readLineOrLast(c.path, 3);
                const bool missing = r.status == TextStatus::Missing && r.lines.isEmpty() &&
                                     line.status == TextStatus::Missing && !line.line;
                return missing ? 0 : 1;
            },
            5, [] { testkit::limitMemory(); });
        EXPECT_EQ(result, 0);
    }
}

TEST_F(TextFileTest, ReadOnlyFolderLeavesTheOldFile)
{
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    ASSERT_TRUE(QDir(dir.path()).mkdir("ro"));
    const QByteArray old = "old\r\n";
    const QString p = writeBytes("ro/p.rar", old);
    QFile::setPermissions(path("ro"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(writeTextFile(p, {"new"}), WriteStatus::Failed);
    QFile::setPermissions(path("ro"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(readBytes(p), old);
}

TEST_F(TextFileTest, NeverOverwriteAFileThatCouldNotBeRead)
{
    const QByteArray old = QByteArray("12") + gbk("a17f") + "\r\n";
    const QString p = writeBytes("states.rar", old);
    const TextReadResult r = readTextFile(p);
    ASSERT_EQ(r.status, TextStatus::BadEncoding);
    EXPECT_EQ(rewriteTextFile(p, r.status, {"0000"}), WriteStatus::Refused);
    EXPECT_EQ(rewriteTextFile(p, TextStatus::Unreadable, {"0000"}), WriteStatus::Refused);
    EXPECT_EQ(readBytes(p), old);

    // A missing file is created, a file read well is rewritten.
    const QString q = path("new.rar");
    const TextReadResult missing = readTextFile(q);
    ASSERT_EQ(missing.status, TextStatus::Missing);
    EXPECT_EQ(rewriteTextFile(q, missing.status, {"1"}, TextEnding::ExtraCrLfAtEnd), WriteStatus::Ok);
    EXPECT_EQ(readBytes(q), QByteArray("1\r\n\r\n"));
    const TextReadResult again = readTextFile(q);
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(rewriteTextFile(q, again.status, {"2"}), WriteStatus::Ok);
    EXPECT_EQ(readBytes(q), QByteArray("2\r\n"));
}

TEST_F(TextFileTest, CaseInsensitiveLookup)
{
    const QString real = writeBytes("A10477.RAR", "x\r\n");
    EXPECT_EQ(findFile(real), real);
    EXPECT_EQ(findFile(path("a10477.rar")), real);
    EXPECT_EQ(findFile(path("A10477.rar")), real);
    EXPECT_EQ(findFile(path("a10478.rar")), QString());
    EXPECT_EQ(findFile(path("nofolder/a10477.rar")), QString());
    EXPECT_EQ(findFile(dir.path() + "/"), QString());

    // Exact first, even when another file differs only in case.
    const QString lower = writeBytes("a10477.rar", "y\r\n");
    EXPECT_EQ(findFile(lower), lower);
    EXPECT_EQ(findFile(real), real);

    // Folders are not files.
    ASSERT_TRUE(QDir(dir.path()).mkdir("Sub"));
    EXPECT_EQ(findFile(path("sub")), QString());

    // Readers and writers use the lookup: the file is rewritten under its own name.
    const QString stem = writeBytes("288890.RAR", "001abc\r\n");
    const TextReadResult r = readTextFile(path("288890.rar"));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.path, stem);
    EXPECT_EQ(r.lines, QStringList{"001abc"});
    ASSERT_EQ(writeTextFile(path("288890.rar"), {"002def"}), WriteStatus::Ok);
    EXPECT_FALSE(QFile::exists(path("288890.rar")));
    EXPECT_EQ(readBytes(stem), QByteArray("002def\r\n"));
}

TEST(LineOrLast, Rule)
{
    const QStringList lines{"one", "two", "three"};
    EXPECT_EQ(lineOrLast(lines, 1), "one");
    EXPECT_EQ(lineOrLast(lines, 3), "three");
    EXPECT_EQ(lineOrLast(lines, 4), "three");
    EXPECT_EQ(lineOrLast(lines, 0), "three");
    EXPECT_EQ(lineOrLast(lines, -2), "three");
    EXPECT_EQ(lineOrLast({}, 1), std::nullopt);
}

TEST_F(TextFileTest, ReadLineOrLast)
{
    const QString p = writeBytes("288823.rar", "r1\r\nr2\r\nr3\r\n");
    EXPECT_EQ(readLineOrLast(p, 2).line, "r2");
    EXPECT_EQ(readLineOrLast(p, 8).line, "r3");
    EXPECT_EQ(readLineOrLast(p, 0).line, "r3");
    EXPECT_EQ(readLineOrLast(p, 8).status, TextStatus::Ok);

    const QString empty = writeBytes("empty.rar", "");
    EXPECT_EQ(readLineOrLast(empty, 1).status, TextStatus::Ok);
    EXPECT_EQ(readLineOrLast(empty, 1).line, std::nullopt);

    EXPECT_EQ(readLineOrLast(path("none.rar"), 1).status, TextStatus::Missing);
    EXPECT_EQ(readLineOrLast(path("none.rar"), 1).line, std::nullopt);
}

TEST_F(TextFileTest, AnswerTextEntries)
{
    const QByteArray bytes =
        QByteArray("001") + kZhongWen + "|abc\r\n" + "002x\r\n" + "03\r\n" + "004last\r\n";
    const QString p = writeBytes("288890.rar", bytes);
    EXPECT_EQ(entryText(QStringLiteral("001中文|abc")), QStringLiteral("中文|abc"));
    EXPECT_EQ(entryText(QStringLiteral("03")), QString());
    EXPECT_EQ(readTextEntry(p, 1).line, QStringLiteral("中文|abc"));
    EXPECT_EQ(readTextEntry(p, 2).line, "x");
    EXPECT_EQ(readTextEntry(p, 3).line, "");      // shorter than 4 characters
    EXPECT_EQ(readTextEntry(p, 99).line, "last"); // beyond the end: the last line
    EXPECT_EQ(readTextEntryNamed(p, u"002").line, "x");
    EXPECT_EQ(readTextEntryNamed(p, u"000").line, ""); // names none
    EXPECT_EQ(readTextEntryNamed(path("none.rar"), u"000").status, TextStatus::Ok);
    EXPECT_EQ(readTextEntryNamed(p, u"0a0").line, "last"); // not "000" but reads 0: the last line
    EXPECT_EQ(readTextEntryNamed(path("none.rar"), u"001").line, std::nullopt);
}
