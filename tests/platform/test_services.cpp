// The operating-system services: settings store, shell, keyboard layouts, web fetch, and fakes.
#include "platform/services.h"
#include "platform/services_fake.h"
#include "support/child.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QProcess>
#include <QStringEncoder>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>

using namespace platform;

namespace {

QByteArray readAll(const QString& fileName)
{
    QFile f(fileName);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString& fileName, const QByteArray& bytes)
{
    QFile f(fileName);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray gbk(const QString& text)
{
    QStringEncoder enc("GB18030");
    return enc(text);
}

// Texts that a naive ini file would bend.
QStringList awkwardTexts()
{
    return {
        QStringLiteral("考试练习系统 模块"),
        QStringLiteral("a=b=c"),
        QStringLiteral("; not a comment"),
        QStringLiteral("# nor this"),
        QStringLiteral("[Section]"),
        QStringLiteral("\"quoted\" and 'single'"),
        QStringLiteral("  blanks around  "),
        QStringLiteral("   "),
        QString(),
        QStringLiteral("tab\there, cr\rlf\nend"),
        QStringLiteral("percent %41 %u0041 %"),
        QStringLiteral("back\\slash\\\\double, trailing\\"),
        QStringLiteral("/home/user/trainer") + QString(72, QLatin1Char('*')),
        QString(5000, QChar(0x4E2D)) + QStringLiteral("end"),
        QString(QChar(0xD800)) + QStringLiteral("lone surrogate"),
        QStringLiteral("emoji \U0001F600 ok"),
    };
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Settings

TEST(SettingsData, KeepsEveryTextWholeThroughTheFileFormat)
{
    SettingsData data;
    const QStringList texts = awkwardTexts();
    for (int i = 0; i < texts.size(); ++i)
        data.write(QStringLiteral("Software\\Microsoft"), QStringLiteral("Value%1").arg(i), texts[i]);
    data.write(QStringLiteral("Software\\Odd"), QStringLiteral("na=me;#[x] "), QStringLiteral("v"));
    data.write(QStringLiteral("Software\\Odd"), QStringLiteral("中文名"), QStringLiteral("值"));
    data.write(QStringLiteral("Software\\Odd]"), QStringLiteral(""), QStringLiteral("default"));

    const auto back = SettingsData::parse(data.serialize());
    ASSERT_TRUE(back.has_value());
    for (int i = 0; i < texts.size(); ++i)
        EXPECT_EQ(back->read(QStringLiteral("Software\\Microsoft"), QStringLiteral("Value%1").arg(i)),
                  texts[i])
            << i;
    EXPECT_EQ(back->read(QStringLiteral("Software\\Odd"), QStringLiteral("na=me;#[x] ")),
              QStringLiteral("v"));
    EXPECT_EQ(back->read(QStringLiteral("Software\\Odd"), QStringLiteral("中文名")), QStringLiteral("值"));
    EXPECT_EQ(back->read(QStringLiteral("Software\\Odd]"), QString()), QStringLiteral("default"));
    EXPECT_EQ(back->serialize(), data.serialize());
}

TEST(SettingsData, FileIsReadableText)
{
    SettingsData data;
    data.write(QStringLiteral("Software\\Microsoft"), QStringLiteral("ProPath07"),
               QStringLiteral("/opt/考试") + QString(3, QLatin1Char('*')));
    const QString text = QString::fromUtf8(data.serialize());
    EXPECT_TRUE(text.contains(QStringLiteral("\n[Software\\Microsoft]\nProPath07=/opt/考试***\n")))
        << text.toStdString();
}

TEST(SettingsData, NamesIgnoreLetterCaseAndKeepTheFirstSpelling)
{
    SettingsData data;
    data.write(QStringLiteral("Software\\Microsoft"), QStringLiteral("ProPath07"), QStringLiteral("one"));
    data.write(QStringLiteral("SOFTWARE\\microsoft"), QStringLiteral("PROPATH07"), QStringLiteral("two"));
    EXPECT_EQ(data.read(QStringLiteral("software\\MICROSOFT"), QStringLiteral("propath07")),
              QStringLiteral("two"));
    EXPECT_EQ(data.keys(), QStringList{QStringLiteral("Software\\Microsoft")});
    EXPECT_TRUE(QString::fromUtf8(data.serialize()).contains(QStringLiteral("ProPath07=two")));
}

TEST(SettingsData, KeysExistOnceCreatedOrWhenASubKeyExists)
{
    SettingsData data;
    EXPECT_TRUE(data.keyExists(QString())); // the root
    EXPECT_FALSE(data.keyExists(QStringLiteral("Software")));
    EXPECT_FALSE(data.read(QStringLiteral("Software"), QStringLiteral("x")).has_value());

    data.write(QStringLiteral("Software\\Maker\\Module"), QStringLiteral("x"), QStringLiteral("1"));
    EXPECT_TRUE(data.keyExists(QStringLiteral("Software")));
    EXPECT_TRUE(data.keyExists(QStringLiteral("software\\maker")));
    EXPECT_TRUE(data.keyExists(QStringLiteral("Software\\Maker\\Module\\")));
    EXPECT_FALSE(data.keyExists(QStringLiteral("Software\\Mak")));
    EXPECT_FALSE(data.keyExists(QStringLiteral("Software\\Maker\\Module\\Sub")));
    EXPECT_FALSE(data.read(QStringLiteral("Software\\Maker\\Module"), QStringLiteral("y")).has_value());

    data.createKey(QStringLiteral("Software\\Empty"));
    EXPECT_TRUE(data.keyExists(QStringLiteral("Software\\Empty")));
    const auto back = SettingsData::parse(data.serialize());
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->keyExists(QStringLiteral("Software\\Empty")));

    EXPECT_EQ(SettingsData::normalizeKeyPath(QStringLiteral("\\a\\\\b\\")), QStringLiteral("a\\b"));
}

TEST(SettingsData, ParseRefusesWhatIsNotItsFormat)
{
    EXPECT_TRUE(SettingsData::parse(QByteArray()).has_value());
    EXPECT_TRUE(SettingsData::parse("; comment only\r\n\r\n[K]\r\nv=1\r\n").has_value()); // CR LF is read too
    EXPECT_EQ(SettingsData::parse("[K]\r\nv=1\r\n")->read(QStringLiteral("K"), QStringLiteral("v")),
              QStringLiteral("1"));
    EXPECT_FALSE(SettingsData::parse("v=1\n").has_value());             // a value before any key
    EXPECT_FALSE(SettingsData::parse("[K]\njust words\n").has_value()); // neither key nor value
    EXPECT_FALSE(SettingsData::parse("[K]\nv=%G1\n").has_value());      // a broken escape
    EXPECT_FALSE(SettingsData::parse("[K]\nv=%4\n").has_value());
    EXPECT_FALSE(
        SettingsData::parse("[K]\nv=" + gbk(QStringLiteral("中文")) + "\n").has_value()); // not UTF-8
}

TEST(FileSettingsStore, RoundTripInAFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("family/sub/registry.ini"));
    FileSettingsStore store(file);
    EXPECT_EQ(store.fileName(), file);

    EXPECT_FALSE(store.read(QStringLiteral("Software\\Microsoft"), QStringLiteral("ProPath07")).has_value());
    EXPECT_FALSE(store.keyExists(QStringLiteral("Software\\Microsoft")));
    EXPECT_FALSE(QFileInfo::exists(file));

    const QStringList texts = awkwardTexts();
    for (int i = 0; i < texts.size(); ++i)
        ASSERT_TRUE(
            store.write(QStringLiteral("Software\\Microsoft"), QStringLiteral("V%1").arg(i), texts[i]));
    EXPECT_TRUE(QFileInfo::exists(file)); // its folders made as needed
    EXPECT_TRUE(store.keyExists(QStringLiteral("Software\\Microsoft")));
    EXPECT_TRUE(store.createKey(QStringLiteral("Software\\Brannock\\Empty")));
    EXPECT_TRUE(store.keyExists(QStringLiteral("Software\\Brannock")));

    FileSettingsStore again(file); // as the next start of the program would
    for (int i = 0; i < texts.size(); ++i)
        EXPECT_EQ(again.read(QStringLiteral("Software\\Microsoft"), QStringLiteral("V%1").arg(i)), texts[i])
            << i;
    EXPECT_TRUE(again.keyExists(QStringLiteral("Software\\Brannock\\Empty")));
}

TEST(FileSettingsStore, TwoStoresOnOneFileSeeEachOthersWrites)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("registry.ini"));
    FileSettingsStore brannock(file);
    FileSettingsStore sibling(file);

    ASSERT_TRUE(brannock.write(QStringLiteral("Software\\Microsoft"), QStringLiteral("ProPath07"),
                               QStringLiteral("/opt/word")));
    EXPECT_EQ(sibling.read(QStringLiteral("Software\\Microsoft"), QStringLiteral("ProPath07")),
              QStringLiteral("/opt/word"));
    ASSERT_TRUE(sibling.write(QStringLiteral("Software\\Microsoft"), QStringLiteral("ProPath12"),
                              QStringLiteral("/opt/excel")));
    ASSERT_TRUE(brannock.write(QStringLiteral("Software\\Microsoft"), QStringLiteral("ProName07"),
                               QStringLiteral("brannock")));
    // Neither write lost the other's value.
    for (FileSettingsStore* s : {&brannock, &sibling}) {
        EXPECT_EQ(s->read(QStringLiteral("Software\\Microsoft"), QStringLiteral("ProPath07")),
                  QStringLiteral("/opt/word"));
        EXPECT_EQ(s->read(QStringLiteral("Software\\Microsoft"), QStringLiteral("ProPath12")),
                  QStringLiteral("/opt/excel"));
        EXPECT_EQ(s->read(QStringLiteral("Software\\Microsoft"), QStringLiteral("ProName07")),
                  QStringLiteral("brannock"));
    }
    sibling.write(QStringLiteral("Software\\Microsoft"), QStringLiteral("ProPath07"),
                  QStringLiteral("/opt/moved"));
    EXPECT_EQ(brannock.read(QStringLiteral("Software\\Microsoft"), QStringLiteral("ProPath07")),
              QStringLiteral("/opt/moved"));
}

TEST(FileSettingsStore, AFileThatCannotBeReadIsNeverOverwritten)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("registry.ini"));
    ASSERT_TRUE(QDir().mkpath(file + QStringLiteral("/inside"))); // a folder where the file should be
    FileSettingsStore store(file);
    EXPECT_FALSE(store.write(QStringLiteral("K"), QStringLiteral("v"), QStringLiteral("1")));
    EXPECT_FALSE(store.createKey(QStringLiteral("K")));
    EXPECT_FALSE(store.read(QStringLiteral("K"), QStringLiteral("v")).has_value());
    EXPECT_TRUE(QFileInfo(file + QStringLiteral("/inside")).isDir());
}

TEST(FileSettingsStore, AFullDiskKeepsTheOldFileAndAPipeReadsAsNoFile)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("registry.ini"));
    FileSettingsStore store(file);
    ASSERT_TRUE(
        store.write(QStringLiteral("Software\\Microsoft"), QStringLiteral("ProName07"), QStringLiteral("a")));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();
    // 0: the write failed; 1: it said it succeeded.
    EXPECT_EQ(testkit::onAFullDisk([&] {
                  return store.write(QStringLiteral("Software\\Microsoft"), QStringLiteral("ProName07"),
                                     QString(200, u'b'))
                             ? 1
                             : 0;
              }),
              0);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
    f.close();
    EXPECT_EQ(store.read(QStringLiteral("Software\\Microsoft"), QStringLiteral("ProName07")),
              QStringLiteral("a"));

    // A named pipe in the file's place holds no values and never makes a read wait.
    const QString pipe = dir.filePath(QStringLiteral("pipe.ini"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_EQ(testkit::inChild(
                  [&] {
                      FileSettingsStore piped(pipe);
                      return piped.read(QStringLiteral("K"), QStringLiteral("v")) ||
                                     piped.keyExists(QStringLiteral("K"))
                                 ? 1
                                 : 0;
                  },
                  5),
              0);
}

// A settings file far larger than any real one is unreadable at once and never overwritten; a
// named pipe in its place (or a link to one) is no file to read and no file to replace.
TEST(FileSettingsStore, AHugeFileOrAPipeIsLeftAsItIs)
{
    QTemporaryDir dir;
    const QString huge = dir.filePath(QStringLiteral("registry.ini"));
    {
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.write("[K]\nv=1\n") > 0);
        ASSERT_TRUE(f.resize(qint64(2) << 30)); // sparse: no room taken on the disk
    }
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString linked = dir.filePath(QStringLiteral("linked.ini"));
    ASSERT_TRUE(QFile::link(fifo, linked));
    // In a child with a time and memory limit: reading the 2 GB whole would stall or exhaust it.
    EXPECT_EQ(testkit::inChild(
                  [&] {
                      int faults = 0;
                      FileSettingsStore store(huge);
                      if (store.read(QStringLiteral("K"), QStringLiteral("v"))) faults |= 1;
                      if (store.write(QStringLiteral("K"), QStringLiteral("v"), QStringLiteral("2")))
                          faults |= 2;
                      FileSettingsStore piped(linked);
                      if (piped.write(QStringLiteral("K"), QStringLiteral("v"), QStringLiteral("2")))
                          faults |= 4;
                      return faults;
                  },
                  3, [] { testkit::limitMemory(); }),
              0);
    EXPECT_EQ(QFileInfo(huge).size(), qint64(2) << 30);
    EXPECT_TRUE(QFileInfo(linked).isSymLink());
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(fifo).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

// Before the mend one line out of the format made every later write fail, so the install values
// were never recorded for the sibling modules.
TEST(FileSettingsStore, ADamagedFileKeepsWhatCanBeReadAndIsRewrittenWhole)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("registry.ini"));
    const QByteArray damaged = "v=before any key\n"
                               "[Software\\Microsoft]\n"
                               "ProPath01=/opt/a\n"
                               "just words\n"
                               "ProName01=a\r\n"
                               "bad=%G1\n" +
                               gbk(QStringLiteral("坏=中文")) +
                               "\n"
                               "[Broken%4]\n"
                               "lost=1\n"
                               "[Other]\n"
                               "w=2\n";
    const QString ms = QStringLiteral("Software\\Microsoft");
    struct Kept {
        QString key, name, value;
    };
    const QList<Kept> kept = {{ms, QStringLiteral("ProPath01"), QStringLiteral("/opt/a")},
                              {ms, QStringLiteral("ProName01"), QStringLiteral("a")},
                              {QStringLiteral("Other"), QStringLiteral("w"), QStringLiteral("2")}};
    ASSERT_TRUE(writeFile(file, damaged));
    FileSettingsStore store(file);
    for (const Kept& k : kept)
        EXPECT_EQ(store.read(k.key, k.name), k.value) << k.name.toStdString();
    EXPECT_EQ(readAll(file), damaged); // reading leaves the file as it is

    // Even a write that changes nothing repairs the file.
    ASSERT_TRUE(store.write(ms, QStringLiteral("ProPath01"), QStringLiteral("/opt/a")));
    const auto repaired = SettingsData::parse(readAll(file));
    ASSERT_TRUE(repaired.has_value()) << readAll(file).toStdString();
    ASSERT_TRUE(store.write(ms, QStringLiteral("ProPath07"), QStringLiteral("/opt/xp")));
    FileSettingsStore again(file);
    for (const Kept& k : kept)
        EXPECT_EQ(again.read(k.key, k.name), k.value) << k.name.toStdString();
    EXPECT_EQ(again.read(ms, QStringLiteral("ProPath07")), QStringLiteral("/opt/xp"));
    EXPECT_FALSE(again.read(ms, QStringLiteral("bad")).has_value());
    EXPECT_FALSE(again.keyExists(QStringLiteral("Broken")));
    EXPECT_FALSE(QFileInfo::exists(file + QStringLiteral(".lock")));
}

TEST(FileSettingsStore, WritingTheSameValueLeavesTheFileAlone)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("registry.ini"));
    FileSettingsStore store(file);
    ASSERT_TRUE(store.write(QStringLiteral("K"), QStringLiteral("v"), QStringLiteral("1")));
    const QDateTime past = QFileInfo(file).lastModified().addSecs(-100);
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(past, QFileDevice::FileModificationTime));
    }
    ASSERT_TRUE(store.write(QStringLiteral("K"), QStringLiteral("v"), QStringLiteral("1")));
    EXPECT_EQ(QFileInfo(file).lastModified(), past);
}

TEST(FileSettingsStore, DefaultFileIsSharedByTheFamilyOrNamedByTheEnvironment)
{
    const QByteArray saved = qgetenv("BRANNOCK_SETTINGS_FILE");
    qunsetenv("BRANNOCK_SETTINGS_FILE");
    EXPECT_TRUE(
        FileSettingsStore::defaultFileName().endsWith(QStringLiteral("/brannock-family/registry.ini")));
    qputenv("BRANNOCK_SETTINGS_FILE", "/tmp/elsewhere/settings.ini");
    EXPECT_EQ(FileSettingsStore::defaultFileName(), QStringLiteral("/tmp/elsewhere/settings.ini"));
    EXPECT_EQ(FileSettingsStore().fileName(), QStringLiteral("/tmp/elsewhere/settings.ini"));
    if (saved.isNull())
        qunsetenv("BRANNOCK_SETTINGS_FILE");
    else
        qputenv("BRANNOCK_SETTINGS_FILE", saved);
}

// The part of a second process in the tests below, chosen by BRANNOCK_SERVICES_CHILD.
TEST(ServicesChild, Run)
{
    const QString mode = qEnvironmentVariable("BRANNOCK_SERVICES_CHILD");
    if (mode.isEmpty()) GTEST_SKIP() << "only run as the second process of another test";
    if (mode == QLatin1String("settings-writer")) {
        FileSettingsStore store(qEnvironmentVariable("BRANNOCK_CHILD_FILE"));
        const QString prefix = qEnvironmentVariable("BRANNOCK_CHILD_PREFIX");
        bool ok = true;
        for (int i = 0; i < 40; ++i)
            ok = store.write(QStringLiteral("Software\\Microsoft"), prefix + QString::number(i),
                             QStringLiteral("值 %1 of %2").arg(i).arg(prefix)) &&
                 ok;
        std::_Exit(ok ? 0 : 1);
    }
    std::_Exit(9);
}

TEST(FileSettingsStore, WritersInTwoProcessesKeepEachOthersKeys)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("registry.ini"));
    QProcess children[2];
    const QString prefixes[2] = {QStringLiteral("first"), QStringLiteral("second")};
    for (int c = 0; c < 2; ++c) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("BRANNOCK_SERVICES_CHILD"), QStringLiteral("settings-writer"));
        env.insert(QStringLiteral("BRANNOCK_CHILD_FILE"), file);
        env.insert(QStringLiteral("BRANNOCK_CHILD_PREFIX"), prefixes[c]);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        children[c].setProcessEnvironment(env);
        children[c].setProcessChannelMode(QProcess::ForwardedErrorChannel);
        children[c].start(QCoreApplication::applicationFilePath(),
                          {QStringLiteral("--gtest_filter=ServicesChild.Run")});
    }
    for (QProcess& child : children) {
        ASSERT_TRUE(child.waitForFinished(60000));
        EXPECT_EQ(child.exitCode(), 0);
    }
    FileSettingsStore store(file);
    for (const QString& prefix : prefixes)
        for (int i = 0; i < 40; ++i)
            EXPECT_EQ(store.read(QStringLiteral("Software\\Microsoft"), prefix + QString::number(i)),
                      QStringLiteral("值 %1 of %2").arg(i).arg(prefix))
                << prefix.toStdString() << i;
}

// ---------------------------------------------------------------------------------------------
// Shell

namespace {

// A program that writes "hi" into the file named by its argument.
QString writeScript(const QString& fileName)
{
    if (!writeFile(fileName, "#!/bin/sh\necho hi > \"$1\"\n")) return {};
    QFile::setPermissions(fileName, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser |
                                        QFile::WriteUser | QFile::ExeUser);
    return fileName;
}

bool waitForFile(const QString& fileName, const QByteArray& content)
{
    QDeadlineTimer deadline(2000);
    while (!deadline.hasExpired()) {
        if (readAll(fileName).trimmed() == content) return true;
        QThread::msleep(20);
    }
    return readAll(fileName).trimmed() == content;
}

} // namespace

TEST(DesktopShell, ExeNameStartsTheProgramWithoutExtension)
{
    QTemporaryDir dir;
    const QString script = writeScript(dir.filePath(QStringLiteral("tessaly")));
    ASSERT_FALSE(script.isEmpty());
    const QString out = dir.filePath(QStringLiteral("out.txt"));

    DesktopShell shell(dir.path());
    EXPECT_TRUE(shell.startProgram(dir.filePath(QStringLiteral("tessaly.exe")), {out}));
    EXPECT_TRUE(waitForFile(out, "hi"));

    QFile::remove(out);
    EXPECT_TRUE(shell.startProgram(script, {out})); // the name as it is
    EXPECT_TRUE(waitForFile(out, "hi"));

    EXPECT_FALSE(shell.startProgram(dir.filePath(QStringLiteral("missing.exe")), {out}));
    EXPECT_FALSE(shell.startProgram(dir.filePath(QStringLiteral("missing")), {out}));
    EXPECT_FALSE(shell.startProgram(dir.path(), {out})); // a folder is no program
    EXPECT_FALSE(shell.startProgram(QString()));
}

TEST(DesktopShell, ArgumentsReachTheProgramWithoutAShell)
{
    QTemporaryDir dir;
    const QString script = dir.filePath(QStringLiteral("prog"));
    ASSERT_TRUE(writeFile(script, "#!/bin/sh\nprintf '%s|' \"$@\" > \"$1\"\n"));
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString out = dir.filePath(QStringLiteral("out $HOME; `x`.txt"));
    DesktopShell shell(dir.path());
    ASSERT_TRUE(shell.startProgram(script + QStringLiteral(".EXE"),
                                   {out, QStringLiteral("a b"), QStringLiteral("*")}));
    EXPECT_TRUE(waitForFile(out, (out + QStringLiteral("|a b|*|")).toUtf8()));
}

TEST(DesktopShell, ANonExecutableFileDoesNotStart)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("readme"));
    ASSERT_TRUE(writeFile(file, "text\n"));
    DesktopShell shell(dir.path());
    EXPECT_FALSE(shell.startProgram(file + QStringLiteral(".exe")));
}

TEST(DesktopShell, ResolveProgramMapsExeNames)
{
    QTemporaryDir dir;
    ASSERT_TRUE(writeFile(dir.filePath(QStringLiteral("brannock")), "x"));
    ASSERT_TRUE(writeFile(dir.filePath(QStringLiteral("real.exe")), "x"));
    const QString brannock = dir.filePath(QStringLiteral("brannock"));
    EXPECT_EQ(DesktopShell::resolveProgram(brannock), brannock);
    EXPECT_EQ(DesktopShell::resolveProgram(brannock + QStringLiteral(".exe")), brannock);
    EXPECT_EQ(DesktopShell::resolveProgram(brannock + QStringLiteral(".Exe")), brannock);
    EXPECT_EQ(DesktopShell::resolveProgram(dir.filePath(QStringLiteral("real.exe"))),
              dir.filePath(QStringLiteral("real.exe")));
    EXPECT_EQ(DesktopShell::resolveProgram(dir.filePath(QStringLiteral("real"))), QString());
    EXPECT_EQ(DesktopShell::resolveProgram(dir.filePath(QStringLiteral("none.exe"))), QString());
    // A path joined with backslashes, as the catalogue joins folder and name.
    EXPECT_EQ(DesktopShell::resolveProgram(dir.path() + QStringLiteral("\\brannock.exe")), brannock);
}

TEST(DesktopShell, OpenTellsFoldersFromAddresses)
{
    QTemporaryDir dir;
    EXPECT_EQ(DesktopShell::urlFor(QStringLiteral("http://www.example.com/down.asp?id=07")),
              QUrl(QStringLiteral("http://www.example.com/down.asp?id=07")));
    EXPECT_EQ(DesktopShell::urlFor(QStringLiteral("https://example.com/a b")).scheme(),
              QStringLiteral("https"));
    EXPECT_EQ(DesktopShell::urlFor(QStringLiteral("mailto:someone@example.com")).scheme(),
              QStringLiteral("mailto"));
    EXPECT_EQ(DesktopShell::urlFor(QStringLiteral("www.example.com")),
              QUrl(QStringLiteral("http://www.example.com")));
    EXPECT_EQ(DesktopShell::urlFor(dir.path()), QUrl::fromLocalFile(dir.path()));
    EXPECT_EQ(DesktopShell::urlFor(dir.path() + QStringLiteral("/")), QUrl::fromLocalFile(dir.path()));
    EXPECT_FALSE(DesktopShell::urlFor(dir.filePath(QStringLiteral("missing"))).isValid());
    EXPECT_FALSE(DesktopShell::urlFor(QStringLiteral("C:\\Program Files\\x")).isValid());
    EXPECT_FALSE(DesktopShell::urlFor(QString()).isValid());

    DesktopShell shell(dir.path());
    EXPECT_FALSE(shell.open(QString()));
    EXPECT_FALSE(shell.open(dir.filePath(QStringLiteral("missing"))));
}

TEST(DesktopShell, ShortcutIsALauncherOnTheDesktop)
{
    QTemporaryDir dir;
    const QString desktop = dir.filePath(QStringLiteral("Desktop"));
    const QString program = dir.filePath(QStringLiteral("my trainer"));
    ASSERT_TRUE(QDir().mkpath(desktop));
    ASSERT_TRUE(QDir().mkpath(program));
    ASSERT_FALSE(writeScript(program + QStringLiteral("/brannock")).isEmpty());

    DesktopShell shell(desktop);
    EXPECT_EQ(shell.desktopFolder(), desktop);
    ASSERT_TRUE(shell.writeDesktopShortcut(QStringLiteral("Word模块.lnk"),
                                           program + QStringLiteral("/brannock.exe"), program,
                                           program + QStringLiteral("/brannock.png")));
    const QString file = desktop + QStringLiteral("/Word模块.desktop");
    ASSERT_TRUE(QFileInfo::exists(file));
    EXPECT_TRUE(QFileInfo(file).isExecutable());
    const QString text = QString::fromUtf8(readAll(file));
    const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(lines.value(0), QStringLiteral("[Desktop Entry]"));
    EXPECT_TRUE(lines.contains(QStringLiteral("Type=Application")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Name=Word模块")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Exec=\"%1/brannock\"").arg(program))) << text.toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("Path=%1").arg(program)));
    EXPECT_TRUE(lines.contains(QStringLiteral("Icon=%1/brannock.png").arg(program)));
    EXPECT_TRUE(lines.contains(QStringLiteral("Terminal=false")));

    // Written again at every click: the same file, replaced.
    ASSERT_TRUE(shell.writeDesktopShortcut(QStringLiteral("Word模块.lnk"),
                                           program + QStringLiteral("/brannock.exe"), program, QString()));
    EXPECT_FALSE(QString::fromUtf8(readAll(file)).contains(QStringLiteral("Icon=")));
    EXPECT_EQ(QDir(desktop).entryList(QDir::Files).size(), 1);
}

TEST(DesktopShell, ShortcutExecLineQuotesWhatTheDesktopEntryFormatReserves)
{
    const QString entry = DesktopShell::desktopEntry(
        QStringLiteral(" n"), QStringLiteral("/a b/c\"d$e\\f%g`h"), QStringLiteral("/w\\x"), QString());
    EXPECT_TRUE(entry.contains(QStringLiteral("\nExec=\"/a b/c\\\\\"d\\\\$e\\\\\\\\f%%g\\\\`h\"\n")))
        << entry.toStdString();
    EXPECT_TRUE(entry.contains(QStringLiteral("\nPath=/w\\\\x\n")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nName=\\sn\n")));
    EXPECT_EQ(DesktopShell::shortcutFileName(QStringLiteral("a/b.LNK")), QStringLiteral("a_b.desktop"));
    EXPECT_EQ(DesktopShell::shortcutFileName(QStringLiteral("..")), QStringLiteral("shortcut.desktop"));
}

TEST(DesktopShell, TheDesktopIsTheUsersXdgDesktopFolder)
{
    // The folder the desktop names in the user's XDG user-dirs file, whatever its language.
    QTemporaryDir home;
    ASSERT_TRUE(QDir().mkpath(home.filePath(QStringLiteral("config"))));
    QFile dirs(home.filePath(QStringLiteral("config/user-dirs.dirs")));
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
    dirs.write("XDG_DESKTOP_DIR=\"$HOME/\xe6\xa1\x8c\xe9\x9d\xa2\"\n");
    dirs.close();
    ASSERT_TRUE(QDir().mkpath(home.filePath(QStringLiteral("桌面"))));
    struct EnvGuard {
        QByteArray name, old;
        bool had;
        EnvGuard(const char* n, const QByteArray& value)
            : name(n)
            , old(qgetenv(n))
            , had(qEnvironmentVariableIsSet(n))
        {
            if (value.isNull())
                qunsetenv(n);
            else
                qputenv(n, value);
        }
        ~EnvGuard()
        {
            if (had)
                qputenv(name.constData(), old);
            else
                qunsetenv(name.constData());
        }
    };
    EnvGuard ownDesktop("BRANNOCK_DESKTOP_DIR", QByteArray());
    EnvGuard userHome("HOME", home.path().toLocal8Bit());
    EnvGuard config("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    DesktopShell shell;
    EXPECT_EQ(shell.desktopFolder(), home.filePath(QStringLiteral("桌面")));
}

TEST(DesktopShell, NoDesktopFolderNoShortcut)
{
    QTemporaryDir dir;
    DesktopShell shell(dir.filePath(QStringLiteral("桌面")));
    EXPECT_FALSE(
        shell.writeDesktopShortcut(QStringLiteral("x"), QStringLiteral("/bin/true"), QString(), QString()));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("桌面"))));
}

// ---------------------------------------------------------------------------------------------
// Web fetch, against a small server on this machine only

namespace {

class LocalHttpServer {
public:
    LocalHttpServer()
    {
        server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server.nextPendingConnection()) {
                auto* request = new QByteArray;
                QObject::connect(socket, &QObject::destroyed, [request] { delete request; });
                QObject::connect(socket, &QTcpSocket::readyRead, [this, socket, request] {
                    *request += socket->readAll();
                    if (!request->contains("\r\n\r\n")) return;
                    const QByteArray path = request->split(' ').value(1);
                    request->clear();
                    answer(socket, path);
                });
            }
        });
    }
    QString url(const char* path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(server.serverPort()).arg(QLatin1String(path));
    }
    int hits = 0;
    QTcpServer server;

private:
    static void reply(QTcpSocket* socket, const QByteArray& status, const QByteArray& headers,
                      const QByteArray& body)
    {
        socket->write("HTTP/1.1 " + status + "\r\n" + headers + "Content-Length: " +
                      QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }
    void answer(QTcpSocket* socket, const QByteArray& path)
    {
        ++hits;
        if (path == "/pemba/pembaver/12345678907.htm")
            reply(socket, "200 OK", "Content-Type: text/plain\r\n", "2013.0.0.115\r\n");
        else if (path == "/gbk.htm")
            reply(socket, "200 OK", "Content-Type: text/html; charset=gb2312\r\n",
                  gbk(QStringLiteral(
                      "<html><head><title>版本</title></head><body> 2013.0.0.116 中文 </body></html>")));
        else if (path == "/guess")
            reply(socket, "200 OK", "", gbk(QStringLiteral("2014.1 题库")));
        else if (path == "/moved")
            reply(socket, "302 Found", "Location: /pemba/pembaver/12345678907.htm\r\n", "");
        else if (path == "/big")
            reply(socket, "200 OK", "Content-Type: text/plain\r\n", QByteArray(1000, '7'));
        else if (path == "/bigstream") { // no length: the body ends with the connection
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nConnection: close\r\n\r\n" +
                          QByteArray(1000, '7'));
            socket->disconnectFromHost();
        } else if (path == "/hang")
            ; // never answers
        else
            reply(socket, "404 Not Found", "Content-Type: text/html\r\n",
                  "<html><body>The page cannot be found</body></html>");
    }
};

} // namespace

TEST(NetWebFetcher, FetchesAPageText)
{
    LocalHttpServer server;
    ASSERT_TRUE(server.server.isListening());
    NetWebFetcher web;
    EXPECT_EQ(web.fetchText(server.url("/pemba/pembaver/12345678907.htm"), 5000),
              QStringLiteral("2013.0.0.115\r\n"));
    const auto html = web.fetchText(server.url("/gbk.htm"), 5000);
    ASSERT_TRUE(html.has_value());
    EXPECT_EQ(html->trimmed(), QStringLiteral("2013.0.0.116 中文"));
    EXPECT_EQ(web.fetchText(server.url("/guess"), 5000), QStringLiteral("2014.1 题库"));
    EXPECT_EQ(web.fetchText(server.url("/moved"), 5000), QStringLiteral("2013.0.0.115\r\n"));
}

TEST(NetWebFetcher, AnErrorPageIsNoText)
{
    LocalHttpServer server;
    NetWebFetcher web;
    EXPECT_FALSE(web.fetchText(server.url("/missing.htm"), 5000).has_value());
    EXPECT_EQ(server.hits, 1);
}

TEST(NetWebFetcher, GivesUpAfterTheTimeOutWhileTimersTick)
{
    LocalHttpServer server;
    NetWebFetcher web;
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(20);
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_FALSE(web.fetchText(server.url("/hang"), 200).has_value());
    EXPECT_GE(elapsed.elapsed(), 180);
    EXPECT_LT(elapsed.elapsed(), 2000);
    EXPECT_GT(ticks, 2);
}

TEST(NetWebFetcher, NoServerNoText)
{
    quint16 port = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        port = probe.serverPort();
    }
    NetWebFetcher web;
    EXPECT_FALSE(web.fetchText(QStringLiteral("http://127.0.0.1:%1/x.htm").arg(port), 2000).has_value());
}

TEST(NetWebFetcher, OnlyWebAddressesAreFetched)
{
    NetWebFetcher web;
    EXPECT_FALSE(web.fetchText(QStringLiteral("file:///etc/hostname"), 1000).has_value());
    EXPECT_FALSE(web.fetchText(QStringLiteral("not an address"), 1000).has_value());
    EXPECT_FALSE(web.fetchText(QString(), 1000).has_value());
}

// Polls a started fetch as a screen's timer would, in real time.
WebReply::State waitForEnd(WebReply& reply)
{
    QDeadlineTimer deadline(5000);
    while (reply.state() == WebReply::State::Pending && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return reply.state();
}

TEST(NetWebFetcher, AStartedFetchReturnsAtOnceAndEndsInTheEventLoop)
{
    LocalHttpServer server;
    NetWebFetcher web;
    std::unique_ptr<WebReply> reply = web.start(server.url("/pemba/pembaver/12345678907.htm"), 1000);
    EXPECT_EQ(reply->state(), WebReply::State::Pending);
    EXPECT_EQ(reply->text(), QString());
    ASSERT_EQ(waitForEnd(*reply), WebReply::State::Done);
    EXPECT_EQ(reply->text(), QStringLiteral("2013.0.0.115\r\n"));

    reply = web.start(server.url("/gbk.htm"), 1000);
    ASSERT_EQ(waitForEnd(*reply), WebReply::State::Done);
    EXPECT_EQ(reply->text().trimmed(), QStringLiteral("2013.0.0.116 中文"));

    reply = web.start(server.url("/missing.htm"), 1000);
    EXPECT_EQ(waitForEnd(*reply), WebReply::State::Failed);
    EXPECT_EQ(reply->text(), QString());

    // Not a web address: failed at once, nothing asked.
    const int hits = server.hits;
    reply = web.start(QStringLiteral("file:///etc/hostname"), 1000);
    EXPECT_EQ(reply->state(), WebReply::State::Failed);
    EXPECT_EQ(server.hits, hits);
}

TEST(NetWebFetcher, AStartedFetchFailsBeyondItsSizeLimit)
{
    LocalHttpServer server;
    NetWebFetcher web;
    for (const char* path : {"/big", "/bigstream"}) {
        SCOPED_TRACE(path);
        std::unique_ptr<WebReply> reply = web.start(server.url(path), 999);
        EXPECT_EQ(waitForEnd(*reply), WebReply::State::Failed);
        reply = web.start(server.url(path), 1000);
        ASSERT_EQ(waitForEnd(*reply), WebReply::State::Done);
        EXPECT_EQ(reply->text(), QString(1000, u'7'));
    }
}

TEST(NetWebFetcher, DroppingAStartedFetchCancelsIt)
{
    LocalHttpServer server;
    NetWebFetcher web;
    std::unique_ptr<WebReply> reply = web.start(server.url("/hang"), 1000);
    QDeadlineTimer deadline(5000);
    while (server.hits == 0 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_EQ(server.hits, 1);
    EXPECT_EQ(reply->state(), WebReply::State::Pending);
    reply.reset();
    QCoreApplication::processEvents(); // nothing of the cancelled fetch is left to run
}

TEST(FakeWebFetcher, AStartedFetchHasEndedAtOnce)
{
    FakeServices fakes;
    fakes.web.pages[QStringLiteral("http://a/ver.htm")] = QStringLiteral("2013.0.0.115");
    std::unique_ptr<WebReply> reply = webFetcher().start(QStringLiteral("http://a/ver.htm"), 100);
    EXPECT_EQ(reply->state(), WebReply::State::Done);
    EXPECT_EQ(reply->text(), QStringLiteral("2013.0.0.115"));
    EXPECT_EQ(webFetcher().start(QStringLiteral("http://b/"), 100)->state(), WebReply::State::Failed);
}

TEST(NetWebFetcher, DecodesByCharsetThenUtf8ThenGbk)
{
    const QString chinese = QStringLiteral("题库版本 2013");
    EXPECT_EQ(NetWebFetcher::decodeBody(gbk(chinese), QStringLiteral("text/plain; charset=GBK")), chinese);
    EXPECT_EQ(NetWebFetcher::decodeBody(gbk(chinese), QStringLiteral("text/plain")), chinese);
    EXPECT_EQ(NetWebFetcher::decodeBody(chinese.toUtf8(), QStringLiteral("text/plain")), chinese);
    EXPECT_EQ(NetWebFetcher::decodeBody(chinese.toUtf8(), QString()), chinese);
    EXPECT_EQ(NetWebFetcher::decodeBody("caf\xe9", QStringLiteral("text/plain; charset=\"iso-8859-1\"")),
              QStringLiteral("café"));
    const QByteArray page =
        "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">"
        "<style>body{color:red}</style><script>var v='x';</script></head><body>\r\n  " +
        gbk(chinese) + " &amp; <b>more</b></body></html>";
    EXPECT_EQ(NetWebFetcher::decodeBody(page, QStringLiteral("text/html")).trimmed(),
              chinese + QStringLiteral(" & more"));
    EXPECT_EQ(NetWebFetcher::decodeBody(page, QString()).trimmed(), chinese + QStringLiteral(" & more"));
}

TEST(NetWebFetcher, ReadsAnHtmlPageAsItsText)
{
    struct Case {
        const char* what;
        QByteArray page;
        QString text;
    };
    const Case cases[] = {
        {"blanks run together, none at a line's start", "<body>\r\n 2024.07.01 \r\n</body>", "2024.07.01 "},
        {"an unclosed tag reads to the end (once a crash)", "<tt=iscii", ""},
        {"an unclosed tag after text", "2024<b class='x>y", "2024"},
        {"a quoted '>' stays inside its tag", "<a title=\"a>b\">2024</a>", "2024"},
        {"a '<' that starts no tag is text", "1 < 2 <3", "1 < 2 <3"},
        {"comments, declarations and hidden elements",
         "<!DOCTYPE html><!-- 1999 --><title>t</title>"
         "<STYLE>p{}</STYLE><script>'</p>'</SCRIPT>2024",
         "2024"},
        {"an unclosed comment hides the rest", "2024<!-- 1999", "2024"},
        {"an unclosed script hides the rest", "2024<script>1999", "2024"},
        {"blocks and breaks end lines", "<p>a</p><div>b<br>c</div>d<td>e", "a\nb\nc\nd e"},
        {"pre keeps its blanks", "<pre>a  b\r\nc</pre>", "a  b\nc"},
        {"references", "&lt;&amp;&gt;&quot;&#50;&#x30;&nbsp;&bogus; &amp", "<&>\"20 &bogus; &amp"},
        {"a reference to nothing or past Unicode", "&#0;&#x110000;&#xD800;", "\uFFFD\uFFFD\uFFFD"},
        {"a picture stands as an object", "2024<img src=x>", "2024\uFFFC"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(NetWebFetcher::decodeBody(c.page, QStringLiteral("text/html; charset=utf-8")), c.text);
    }
}

// ---------------------------------------------------------------------------------------------
// Installed services and fakes

TEST(Services, RealServicesUntilAFakeIsInstalled)
{
    EXPECT_NE(dynamic_cast<FileSettingsStore*>(&settings()), nullptr);
    EXPECT_NE(dynamic_cast<DesktopShell*>(&shell()), nullptr);
    EXPECT_NE(dynamic_cast<SystemKeyboardLayouts*>(&keyboardLayouts()), nullptr);
    EXPECT_NE(dynamic_cast<NetWebFetcher*>(&webFetcher()), nullptr);

    FakeSettings fakeSettings;
    FakeShell fakeShell;
    setSettings(&fakeSettings);
    setShell(&fakeShell);
    EXPECT_EQ(&settings(), &fakeSettings);
    EXPECT_EQ(&shell(), &fakeShell);
    setSettings(nullptr);
    setShell(nullptr);
    EXPECT_NE(dynamic_cast<FileSettingsStore*>(&settings()), nullptr);
    EXPECT_NE(dynamic_cast<DesktopShell*>(&shell()), nullptr);

    {
        FakeServices fakes;
        EXPECT_EQ(&settings(), &fakes.settings);
        EXPECT_EQ(&shell(), &fakes.shell);
        EXPECT_EQ(&keyboardLayouts(), &fakes.keyboard);
        EXPECT_EQ(&webFetcher(), &fakes.web);
    }
    EXPECT_NE(dynamic_cast<FileSettingsStore*>(&settings()), nullptr);
    EXPECT_NE(dynamic_cast<NetWebFetcher*>(&webFetcher()), nullptr);
}

TEST(FakeSettings, BehavesAsTheStore)
{
    FakeServices fakes;
    SettingsStore& s = settings();
    EXPECT_FALSE(s.read(QStringLiteral("Software\\Microsoft"), QStringLiteral("ProPath07")).has_value());
    EXPECT_TRUE(s.write(QStringLiteral("Software\\Microsoft"), QStringLiteral("ProPath07"),
                        QStringLiteral("中文=;")));
    EXPECT_EQ(s.read(QStringLiteral("software\\microsoft"), QStringLiteral("propath07")),
              QStringLiteral("中文=;"));
    EXPECT_TRUE(s.keyExists(QStringLiteral("Software")));
    EXPECT_TRUE(s.createKey(QStringLiteral("Other")));
    EXPECT_TRUE(s.keyExists(QStringLiteral("Other")));
    fakes.settings.failWrites = true;
    EXPECT_FALSE(
        s.write(QStringLiteral("Software\\Microsoft"), QStringLiteral("ProPath07"), QStringLiteral("x")));
    EXPECT_EQ(s.read(QStringLiteral("Software\\Microsoft"), QStringLiteral("ProPath07")),
              QStringLiteral("中文=;"));
    EXPECT_EQ(fakes.settings.reads, 3);
    EXPECT_EQ(fakes.settings.writes, 2);
}

TEST(FakeShell, RecordsWhatIsAsked)
{
    FakeServices fakes;
    EXPECT_TRUE(shell().open(QStringLiteral("http://www.example.com/down.asp?id=07")));
    fakes.shell.startResult = false;
    EXPECT_FALSE(shell().startProgram(QStringLiteral("/opt/t/tessaly.exe")));
    EXPECT_FALSE(shell().startProgram(QStringLiteral("/opt/t/x"), {QStringLiteral("a")}));
    EXPECT_TRUE(shell().writeDesktopShortcut(QStringLiteral("n"), QStringLiteral("t"), QStringLiteral("w"),
                                             QString()));
    EXPECT_EQ(fakes.shell.opened, QStringList{QStringLiteral("http://www.example.com/down.asp?id=07")});
    ASSERT_EQ(fakes.shell.started.size(), 2);
    EXPECT_EQ(fakes.shell.started[0], (FakeShell::Started{QStringLiteral("/opt/t/tessaly.exe"), {}}));
    EXPECT_EQ(fakes.shell.started[1],
              (FakeShell::Started{QStringLiteral("/opt/t/x"), {QStringLiteral("a")}}));
    ASSERT_EQ(fakes.shell.shortcuts.size(), 1);
    EXPECT_EQ(fakes.shell.shortcuts[0], (FakeShell::Shortcut{QStringLiteral("n"), QStringLiteral("t"),
                                                             QStringLiteral("w"), QString()}));
}

TEST(FakeKeyboardLayouts, ListsAndActivatesWhatItIsGiven)
{
    FakeServices fakes;
    fakes.keyboard.list = {{QStringLiteral("00000804"), QString(), QStringLiteral("Chinese")},
                           {QStringLiteral("E00E0804"), QStringLiteral("微软拼音输入法"), QString()}};
    KeyboardLayouts& k = keyboardLayouts();
    EXPECT_EQ(k.layouts(), (QStringList{QStringLiteral("00000804"), QStringLiteral("E00E0804")}));
    EXPECT_EQ(k.inputMethodName(0), QString());
    EXPECT_EQ(k.inputMethodName(1), QStringLiteral("微软拼音输入法"));
    EXPECT_EQ(k.layoutName(0), QStringLiteral("Chinese"));
    EXPECT_EQ(k.layoutName(1), QStringLiteral("E00E0804"));
    EXPECT_EQ(k.active(), 0);
    EXPECT_TRUE(k.activate(1));
    EXPECT_EQ(k.active(), 1);
    EXPECT_FALSE(k.activate(2));
    EXPECT_EQ(k.active(), 1);
    EXPECT_EQ(fakes.keyboard.activated, (QList<int>{1, 2}));

    FakeKeyboardLayouts none;
    EXPECT_TRUE(none.layouts().isEmpty());
    EXPECT_EQ(none.active(), -1);
    EXPECT_FALSE(none.activate(0));
}

TEST(FakeWebFetcher, AnswersFromItsPages)
{
    FakeServices fakes;
    fakes.web.pages[QStringLiteral("http://a/ver.htm")] = QStringLiteral("2013.0.0.115");
    fakes.web.pages[QStringLiteral("http://a/down.htm")] = std::nullopt;
    EXPECT_EQ(webFetcher().fetchText(QStringLiteral("http://a/ver.htm"), 100),
              QStringLiteral("2013.0.0.115"));
    EXPECT_FALSE(webFetcher().fetchText(QStringLiteral("http://a/down.htm"), 100).has_value());
    EXPECT_FALSE(webFetcher().fetchText(QStringLiteral("http://b/"), 200).has_value());
    ASSERT_EQ(fakes.web.requests.size(), 3);
    EXPECT_EQ(fakes.web.requests[2], (FakeWebFetcher::Request{QStringLiteral("http://b/"), 200}));
}
