#include "home/km_info.h"

#include <algorithm>

#include <QDir>

#include "common/naming.h"
#include "common/numbers.h"
#include "common/text_file.h"
#include "common/trim.h"

namespace home {

namespace {

constexpr int GroupWidth = 6;

// The character of an ANSI code of code page 936; nothing for a code out of range.
std::optional<QString> ansiChar(double code)
{
    if (code < -32768 || code > 65535) return std::nullopt;
    const int c = int(code);
    if (c >= 0 && c <= 255) {
        if (c < 0x80) return QString(QChar(char16_t(c)));
        const char byte = char(c);
        return common::decodeGbk(QByteArrayView(&byte, 1)).value_or(QString(QChar::ReplacementCharacter));
    }
    const int u = c < 0 ? c + 65536 : c;
    const char bytes[2] = {char(u / 256), char(u % 256)};
    const auto text = common::decodeGbk(QByteArrayView(bytes, 2));
    // Two bytes that are not one GBK character (a lead byte below 0x81, say) make no character.
    if (!text || text->size() != 1) return QString(QChar::ReplacementCharacter);
    return *text;
}

} // namespace

std::optional<QString> unpackInfoLine(QStringView packed)
{
    QString out;
    for (qsizetype i = 0; i < packed.size(); i += GroupWidth) {
        const double v = common::roundHalfEven(common::leadingNumber(packed.mid(i, GroupWidth)));
        if (v == 0) continue;
        const auto c = ansiChar(v <= 500000 ? v - 200000 : v - 500000);
        if (!c) return std::nullopt;
        out += *c;
    }
    return out;
}

std::optional<QString> packInfoLine(QStringView text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A character outside the BMP is no GBK character anyway; keep its pair together.
        const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const auto bytes = common::encodeGbk(text.mid(i, n));
        if (!bytes || bytes->size() > 2) return std::nullopt;
        int code = quint8(bytes->at(0));
        if (bytes->size() == 2) code = code * 256 + quint8(bytes->at(1)) - 65536;
        out += QString::number(200000 + code).rightJustified(GroupWidth, u'0');
        i += n - 1;
    }
    return out;
}

QString moduleInfoPath(const QString& programFolder)
{
    return common::joinPath(programFolder, QStringLiteral("ver.txt"));
}

ModuleInfoRead readModuleInfo(const QString& programFolder)
{
    ModuleInfoRead r;
    r.path = moduleInfoPath(programFolder);
    const common::TextReadResult file = common::readTextFile(r.path);
    switch (file.status) {
    case common::TextStatus::Missing:
        r.status = ModuleInfoRead::Status::Missing;
        return r;
    case common::TextStatus::Unreadable:
        r.status = ModuleInfoRead::Status::Unreadable;
        return r;
    case common::TextStatus::Ok:
    case common::TextStatus::BadEncoding: // only digits count: a stray byte just ends a number
        break;
    }
    if (!file.path.isEmpty()) r.path = file.path;
    if (std::all_of(file.lines.cbegin(), file.lines.cend(),
                    [](const QString& l) { return l.trimmed().isEmpty(); })) {
        r.status = ModuleInfoRead::Status::Empty;
        return r;
    }
    if (file.lines.size() > InfoLines) {
        r.status = ModuleInfoRead::Status::TooManyLines;
        return r;
    }
    for (int k = 0; k < InfoLines; ++k) {
        if (k >= file.lines.size()) {
            r.lines << QString();
            continue;
        }
        const auto line = unpackInfoLine(file.lines.at(k));
        if (!line) {
            r.status = ModuleInfoRead::Status::BadCode;
            r.badLine = k + 1;
            r.lines.clear();
            return r;
        }
        r.lines << *line;
    }
    r.status = ModuleInfoRead::Status::Ok;
    return r;
}

std::optional<KmInfo> kmInfoFromLines(const QStringList& lines, const QString& programFolder)
{
    const auto no = common::cint16(common::leadingNumber(lines.value(3)));
    if (!no) return std::nullopt;
    KmInfo info;
    info.kmNo = *no;
    info.kmName = common::trimSpaces(lines.value(0));
    info.kmTitle = common::trimSpaces(lines.value(1));
    QString folder = common::trimSpaces(lines.value(2));
    folder.replace(u'\\', u'/');
    info.dataPath = QDir::cleanPath(common::joinPath(programFolder, folder)) + u'/';
    return info;
}

KmInfoLoad loadKmInfo(const QString& programFolder)
{
    KmInfoLoad load;
    const ModuleInfoRead read = readModuleInfo(programFolder);
    const QString reinstall = QStringLiteral("，考试练习系统无法运行。\r\n请重新安装本系统。\r\n\r\n") +
                              QDir::toNativeSeparators(read.path);
    switch (read.status) {
    case ModuleInfoRead::Status::Ok:
        break;
    case ModuleInfoRead::Status::Missing:
        load.failure = QStringLiteral("找不到模块信息文件“ver.txt”") + reinstall;
        return load;
    case ModuleInfoRead::Status::Unreadable:
        load.failure = QStringLiteral("无法读取模块信息文件“ver.txt”") + reinstall;
        return load;
    case ModuleInfoRead::Status::Empty:
        load.failure = QStringLiteral("模块信息文件“ver.txt”是空的") + reinstall;
        return load;
    case ModuleInfoRead::Status::TooManyLines:
        load.failure = QStringLiteral("模块信息文件“ver.txt”已损坏（超过%1行）").arg(InfoLines) + reinstall;
        return load;
    case ModuleInfoRead::Status::BadCode:
        load.failure = QStringLiteral("模块信息文件“ver.txt”已损坏（第%1行）").arg(read.badLine) + reinstall;
        return load;
    }
    load.info = kmInfoFromLines(read.lines, programFolder);
    if (!load.info) {
        load.failure = QStringLiteral("模块信息文件“ver.txt”已损坏（模块编号有误）") + reinstall;
        return load;
    }
    load.lines = read.lines;
    return load;
}

QString moduleNN(int kmNo)
{
    return common::twoDigits(kmNo);
}

} // namespace home
