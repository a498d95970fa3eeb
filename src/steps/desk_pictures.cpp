#include "steps/desk_pictures.h"

#include "common/naming.h"

namespace steps::desk {

QString folder(const QString& programFolder)
{
    return common::joinPath(programFolder, QStringLiteral("examdata")) + QLatin1Char('/');
}

QString file(const QString& folder, const QString& name)
{
    if (!common::isSafeCode(name)) return {};
    return common::joinPath(folder, name + QStringLiteral(".rar"));
}

QString toolbar(QChar driveLetter)
{
    return driveLetter == u'W' ? QStringLiteral("1100W2") : QStringLiteral("1100W1");
}

QString menuBar(QChar appLetter)
{
    return QString(appLetter) + QStringLiteral("00000");
}

QString taskPane(int code)
{
    return QStringLiteral("41A00") + QString::number(code);
}

QString dialogPage(QChar digit)
{
    return QStringLiteral("NN000") + (digit.isNull() ? QString() : QString(digit));
}

QString titleHighlight(const QString& menuId)
{
    return menuId + QStringLiteral("0088");
}

QString toolbarPressed(int n)
{
    return common::twoDigits(n) + QStringLiteral("0099");
}

QString toolbarHovered(int n)
{
    return common::twoDigits(n) + QStringLiteral("0088");
}

QString startItemHighlight(int n)
{
    return common::twoDigits(n) + QStringLiteral("0088");
}

QString itemHighlight(const QString& menuId)
{
    return menuId + QStringLiteral("0099");
}

} // namespace steps::desk
