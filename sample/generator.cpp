#include "sample/generator.h"

#include "common/naming.h"
#include "common/text_file.h"
#include "sample/bank.h"
#include "sample/chrome.h"
#include "sample/context_menus.h"
#include "sample/cursors.h"
#include "sample/info_pages.h"
#include "sample/model.h"
#include "steps/desk_pictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <filesystem>

namespace sample {
namespace {

class Writer {
public:
    explicit Writer(QString* e)
        : error(e)
    {}

    bool text(const QString& path, const QStringList& lines,
              common::TextEnding ending = common::TextEnding::CrLfAfterEach)
    {
        // An unchanged file is left alone: regenerating at every build then costs no writes.
        QString whole = lines.join(QStringLiteral("\r\n"));
        if (!lines.isEmpty()) whole += QStringLiteral("\r\n");
        if (ending == common::TextEnding::ExtraCrLfAtEnd) whole += QStringLiteral("\r\n");
        const std::optional<QByteArray> expected = common::encodeGbk(whole);
        if (expected && sameBytes(path, *expected)) return true;
        const common::WriteStatus st = common::writeTextFile(path, lines, ending);
        if (st == common::WriteStatus::Ok) return true;
        return fail(QStringLiteral("cannot write %1%2")
                        .arg(path, st == common::WriteStatus::Unencodable
                                       ? QStringLiteral(" (a character has no GBK code)")
                                       : QString()));
    }
    // Files that the program or the candidate changes: written only when there is none yet.
    bool textOnce(const QString& path, const QStringList& lines,
                  common::TextEnding ending = common::TextEnding::CrLfAfterEach)
    {
        if (!common::findFile(path).isEmpty()) return true;
        return text(path, lines, ending);
    }
    // A picture: written whole to a temporary file that then replaces the old one. Pictures are
    // drawn anew at every run, so a crash leaves the old picture or the new one, never half of one.
    bool bytes(const QString& path, const QByteArray& data)
    {
        if (sameBytes(path, data)) return true;
        const QString temporary = path + QStringLiteral(".new");
        QFile f(temporary);
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(data) == data.size()) {
            f.close();
            std::error_code ec;
            std::filesystem::rename(temporary.toStdString(), path.toStdString(), ec);
            if (!ec) return true;
        }
        QFile::remove(temporary);
        return fail(QStringLiteral("cannot write %1").arg(path));
    }
    bool folder(const QString& path)
    {
        return QDir().mkpath(path) ? true : fail(QStringLiteral("cannot create the folder %1").arg(path));
    }
    bool fail(const QString& why)
    {
        if (error && error->isEmpty()) *error = why;
        return false;
    }

private:
    static bool sameBytes(const QString& path, const QByteArray& data)
    {
        QFile f(path);
        return f.size() == data.size() && f.open(QIODevice::ReadOnly) && f.readAll() == data;
    }

    QString* error;
};

} // namespace

ModuleInfo sampleModuleInfo()
{
    ModuleInfo info;
    info.shortName = QStringLiteral("Windows XP");
    info.displayName = QStringLiteral("中文 Windows XP 操作系统");
    info.dataFolder = QStringLiteral("xpdata");
    info.moduleNo = 7;
    for (const UnitDef& u : sampleModule().units)
        info.unitTitles.append(u.title);
    return info;
}

QString bankVersion()
{
    return QStringLiteral("2024.06.01");
}

bool generateInstallation(const QString& folder, QString* error)
{
    if (error) error->clear();
    Writer w(error);
    const ModuleInfo info = sampleModuleInfo();
    const ModuleDef& module = sampleModule();
    const QString data = common::joinPath(folder, info.dataFolder);
    const QString desk = steps::desk::folder(folder);
    const QString progress = common::joinPath(folder, QStringLiteral("ksdata"));
    if (!w.folder(folder) || !w.folder(data) || !w.folder(desk) || !w.folder(progress)) return false;

    QString why;
    const std::optional<BankFiles> bank = buildBank(module, &why);
    if (!bank) return w.fail(QStringLiteral("the question bank has a fault: ") + why);

    // The program folder.
    const std::optional<QStringList> ver = packModuleInfo(info);
    if (!ver) return w.fail(QStringLiteral("the module information cannot be packed"));
    if (!w.text(common::joinPath(folder, QStringLiteral("ver.txt")), *ver)) return false;
    // The launch rule stays off in the sample: a start must not look for a newer bank on the web.
    if (!w.textOnce(common::joinPath(folder, QStringLiteral("tessaly.txt")), {QStringLiteral("0")}))
        return false;
    if (!w.text(common::joinPath(folder, QStringLiteral("sMenu.sys")), contextMenuLines())) return false;
    for (const PictureFile& f : cursorFiles()) {
        if (!w.bytes(common::joinPath(folder, f.name), f.bytes)) return false;
    }
    for (const PictureFile& f : chromePictures()) {
        if (!w.bytes(common::joinPath(desk, f.name), f.bytes)) return false;
    }

    // The question bank.
    for (int u = 0; u < bank->unitSteps.size(); ++u) {
        if (!w.text(common::bankFile(data, 20 + u), bank->unitSteps[u])) return false;
        if (!w.text(common::bankFile(data, 70 + u), bank->unitLists[u])) return false;
    }
    if (!w.text(common::bankFile(data, 90), bank->answerTexts)) return false;
    if (!w.text(common::bankFile(data, 91), bank->setTable)) return false;
    if (!w.textOnce(common::bankFile(data, 92), {QStringLiteral("1")})) return false;
    // One line per exam set, all empty until a first login, and the closing empty line.
    if (!w.textOnce(common::bankFile(data, 94), QStringList(module.examSets.size(), QString()),
                    common::TextEnding::ExtraCrLfAtEnd))
        return false;
    if (!w.text(common::bankFile(data, 95), {bankVersion()})) return false;
    if (!w.textOnce(common::bankFile(data, 97), {QStringLiteral("0")})) return false;
    if (!w.text(common::bankFile(data, 99), {QString::number(info.moduleNo)})) return false;
    QSet<QString> written;
    for (const PictureFile& f : bank->pictures) {
        if (!w.bytes(common::joinPath(data, f.name), f.bytes)) return false;
        written.insert(f.name);
    }
    // Pictures of an earlier bank that this one no longer names.
    static const QRegularExpression pictureName(QStringLiteral("^P\\d{5}\\.rar$"));
    for (const QString& name : QDir(data).entryList(QDir::Files)) {
        if (pictureName.match(name).hasMatch() && !written.contains(name))
            QFile::remove(common::joinPath(data, name));
    }
    for (const PictureFile& f : infoPages(info.displayName)) {
        if (!w.bytes(common::joinPath(data, f.name), f.bytes)) return false;
    }

    // The progress folder: every file that a drill reads before it first writes it.
    const auto extra = common::TextEnding::ExtraCrLfAtEnd;
    QStringList unitFlags;
    for (const UnitDef& u : module.units)
        unitFlags.append(QString(u.questions.size(), u'F'));
    if (!w.textOnce(common::joinPath(progress, QStringLiteral("288893.rar")), unitFlags, extra)) return false;
    for (int u = 0; u < module.units.size(); ++u) {
        if (!w.textOnce(common::numberedFile(progress, QStringLiteral("2088"), u, QStringLiteral(".rar")),
                        {QString(40, u'0')}, extra))
            return false;
    }
    QStringList history;
    for (int s = 0; s < module.examSets.size(); ++s) {
        if (!w.textOnce(common::numberedFile(progress, QStringLiteral("2188"), s, QStringLiteral(".rar")),
                        {QString(40, u'0')}, extra))
            return false;
        if (!w.textOnce(common::numberedFile(progress, QStringLiteral("1824"), s, QStringLiteral(".rar")),
                        {QString()}, extra))
            return false;
        history += QStringList{QString(), QString(), QString()};
    }
    return w.textOnce(common::joinPath(progress, QStringLiteral("288892.rar")), history, extra);
}

} // namespace sample
