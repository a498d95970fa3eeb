#include "sample/ver_packing.h"

#include "common/text_file.h"

namespace sample {

std::optional<QString> packInfoLine(const QString& text)
{
    QString line;
    for (const QChar ch : text) {
        const std::optional<QByteArray> bytes = common::encodeGbk(QStringView(&ch, 1));
        if (!bytes || bytes->isEmpty() || bytes->size() > 2) return std::nullopt;
        const int code =
            bytes->size() == 1 ? uchar(bytes->at(0)) : uchar(bytes->at(0)) * 256 + uchar(bytes->at(1));
        // A group of 0 stands for nothing, so the NUL character cannot be written.
        if (code == 0) return std::nullopt;
        line += QString::number((bytes->size() == 1 ? 200000 : 500000) + code);
    }
    return line;
}

std::optional<QStringList> packModuleInfo(const ModuleInfo& info)
{
    QStringList texts{info.shortName, info.displayName, info.dataFolder, QString::number(info.moduleNo)};
    texts += info.unitTitles;
    QStringList lines;
    for (const QString& t : texts) {
        const std::optional<QString> packed = packInfoLine(t);
        if (!packed) return std::nullopt;
        lines += *packed;
    }
    return lines;
}

} // namespace sample
