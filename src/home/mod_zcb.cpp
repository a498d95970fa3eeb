#include "home/mod_zcb.h"

#include <QRegularExpression>

#include "common/numbers.h"
#include "platform/services.h"

namespace home::ModZCB {

namespace {

// The store holds texts only: a numeric value is kept in the form a registry export writes it.
const QString DwordPrefix = QStringLiteral("dword:");

std::optional<qint32> storedInteger(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^dword:[0-9a-f]{8}$"));
    if (!form.match(text).hasMatch()) return std::nullopt;
    return qint32(text.mid(DwordPrefix.size()).toUInt(nullptr, 16));
}

QString integerText(qint32 n)
{
    return DwordPrefix + QString::number(quint32(n), 16).rightJustified(8, u'0');
}

} // namespace

long getRegValue(long hKey, const QString& subKey, const QString& valueName, QVariant& value)
{
    if (hKey != HkeyCurrentUser) return ErrorInvalidHandle;
    platform::SettingsStore& store = platform::settings();
    if (!store.keyExists(subKey)) return ErrorFileNotFound;
    const std::optional<QString> text = store.read(subKey, valueName);
    if (!text) return ErrorFileNotFound;
    if (const auto n = storedInteger(*text))
        value = QVariant(*n);
    else
        value = QVariant(*text);
    return ErrorSuccess;
}

long setRegValue(long hKey, const QString& subKey, const QString& valueName, int valueType, QVariant& data,
                 long& cbData)
{
    if (hKey != HkeyCurrentUser) return ErrorInvalidHandle;
    QString text;
    switch (valueType) {
    case RegSz:
    case RegExpandSz:
        text = data.toString();
        cbData = long(text.size());
        break;
    case RegDword:
    case RegBinary: {
        if (valueType == RegDword)
            cbData = 4;
        else if (cbData < 0 || cbData > 4)
            return ErrorInvalidParameter;
        const double v = common::roundHalfEven(data.toDouble());
        if (!(v >= -2147483648.0 && v <= 2147483647.0)) return ErrorInvalidParameter;
        const qint32 n = qint32(v);
        data = QVariant(n);
        text = integerText(n);
        break;
    }
    default:
        return ErrorSuccess;
    }
    return platform::settings().write(subKey, valueName, text) ? ErrorSuccess : ErrorAccessDenied;
}

} // namespace home::ModZCB
