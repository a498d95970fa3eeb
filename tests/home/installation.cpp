#include "installation.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

#include "common/text_file.h"
#include "support/step_record.h"

namespace hometest {

QString packSecondRange(const QString& text)
{
    QString out;
    for (const QChar c : text) {
        const QByteArray b = common::encodeGbk(QString(c)).value();
        const int code = b.size() == 1 ? quint8(b[0]) : quint8(b[0]) * 256 + quint8(b[1]);
        out += QString::number(500000 + code);
    }
    return out;
}

QStringList Installation::standardVer()
{
    return {QStringLiteral("XP"),      QStringLiteral("Windows XP 操作系统"), QStringLiteral("tiku"),
            QStringLiteral("7"),       QStringLiteral("文件与文件夹"),        QStringLiteral("控制面板"),
            QStringLiteral("附件程序")};
}

Installation::Installation()
{
    writeVer(standardVer());
    // Set table: 2 exam sets, 3 units of 3, 2 and 4 questions.
    write(bank("288891.rar"), {QStringLiteral("0203"), QStringLiteral("030204")});
    write(bank("288892.rar"), {QStringLiteral("0")});
    write(bank("288895.rar"), {QStringLiteral("2024.06 第3版")});
    write(bank("288899.rar"), {QStringLiteral("07")});
    // Unit question lists: code, step count, text.
    write(bank("288870.rar"), {QStringLiteral("000102新建文件夹"), QStringLiteral("000203重命名文件"),
                               QStringLiteral("000301删除文件")});
    write(bank("288871.rar"), {QStringLiteral("010102打开控制面板"), QStringLiteral("010204更改日期")});
    write(bank("288872.rar"), {QStringLiteral("020101打开记事本"), QStringLiteral("020202打开画图"),
                               QStringLiteral("020303打开计算器"), QStringLiteral("020401录音机")});
    write(bank("288890.rar"), {QStringLiteral("001答案")});
    // Step files: clicks on a main target, each question ending in its terminal record.
    const QList<QList<int>> steps{{2, 3, 1}, {2, 4}, {1, 2, 3, 1}};
    for (int u = 0; u < steps.size(); ++u) {
        QList<testkit::StepRecord> records;
        for (int count : steps[u])
            for (int s = 1; s <= count; ++s)
                records << (s == count ? testkit::StepRecord().action(QStringLiteral("9999"))
                                       : testkit::StepRecord()
                                             .action(QStringLiteral("0001"))
                                             .mainRect(3000, '0', 3000, 1500, 900));
        testkit::writeStepFile(program_.file(QStringLiteral("tiku")), 20 + u, records);
    }
    QDir().mkpath(program_.file(QStringLiteral("ksdata")));
}

QString Installation::bank(const QString& name) const
{
    return program_.file(QStringLiteral("tiku/") + name);
}

QString Installation::ksdata(const QString& name) const
{
    return program_.file(QStringLiteral("ksdata/") + name);
}

void Installation::write(const QString& path, const QStringList& lines)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (common::writeTextFile(path, lines) != common::WriteStatus::Ok) qFatal("cannot write a fixture file");
}

QStringList Installation::read(const QString& path)
{
    return common::readTextFile(path).lines;
}

bool Installation::exists(const QString& path)
{
    return QFileInfo::exists(path);
}

void Installation::writeVer(const QStringList& lines)
{
    QStringList packed;
    for (const QString& l : lines)
        packed << packSecondRange(l);
    write(program_.file(QStringLiteral("ver.txt")), packed);
}

void Installation::writePicture(const QString& name)
{
    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(Qt::darkCyan);
    img.save(bank(name), "BMP");
}

} // namespace hometest
