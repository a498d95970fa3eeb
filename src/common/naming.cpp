#include "common/naming.h"

#include "common/drill_state.h"

#include <QDir>

namespace common {

QString defaultDataExt()
{
    return QStringLiteral(".rar");
}

QString twoDigits(int n)
{
    return (QStringLiteral("00") + QString::number(n)).right(2);
}

QString joinPath(const QString& folder, const QString& name)
{
    if (folder.isEmpty()) return name;
    if (folder.endsWith(u'/') || folder.endsWith(QDir::separator())) return folder + name;
    return folder + u'/' + name;
}

QString numberedFile(const QString& folder, const QString& stem, int number, const QString& ext)
{
    return joinPath(folder, stem + twoDigits(number) + ext);
}

QString bankFile(const QString& dataPath, int number, const QString& dataExt)
{
    return numberedFile(dataPath, QStringLiteral("2888"), number, dataExt);
}

QString stepPath(const QString& dataPath, int fileBase, int setNo, const QString& dataExt)
{
    return bankFile(dataPath, fileBase + setNo, dataExt);
}

QString tmPath(const QString& dataPath, int fileBase, int setNo, const QString& dataExt)
{
    return bankFile(dataPath, fileBase + 50 + setNo, dataExt);
}

QString txtPath(const QString& dataPath, const QString& dataExt)
{
    return bankFile(dataPath, 90, dataExt);
}

void setDrillPaths(DrillState& d)
{
    d.stepPath = stepPath(d.dataPath, d.fileBase, d.setNo, d.dataExt);
    d.tmPath = tmPath(d.dataPath, d.fileBase, d.setNo, d.dataExt);
}

bool isSafeCode(QStringView code)
{
    if (code.isEmpty()) return false;
    for (QChar c : code) {
        const char16_t u = c.unicode();
        const bool ok = (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z');
        if (!ok) return false;
    }
    return true;
}

QString pictureFile(const QString& dataPath, const QString& code, const QString& dataExt)
{
    if (code == u"000000" || code == u"888888" || !isSafeCode(code)) return {};
    return joinPath(dataPath, code + dataExt);
}

} // namespace common
