#include "steps/step.h"

#include "common/numbers.h"
#include "steps/tab_templates.h"

namespace steps {

ActionKind actionKind(const QString& code)
{
    if (code == QLatin1String("0001") || code == QLatin1String("0004") || code == QLatin1String("0030"))
        return ActionKind::Click;
    if (code == QLatin1String("0002")) return ActionKind::DoubleClick;
    if (code == QLatin1String("0003")) return ActionKind::RightClick;
    if (code == QLatin1String("7000")) return ActionKind::Menu;
    if (code == QLatin1String("8888")) return ActionKind::Auto;
    if (code == QLatin1String("9999")) return ActionKind::Terminal;
    if (code.startsWith(QLatin1String("002"))) return ActionKind::Typing;
    if (code.startsWith(QLatin1String("004"))) return ActionKind::Band;
    if (code.startsWith(QLatin1String("005"))) return ActionKind::Drag;
    if (code.startsWith(QLatin1String("800"))) return ActionKind::ImageDrag;
    if (code.startsWith(QLatin1Char('L'))) return ActionKind::List;
    if (code.startsWith(QLatin1Char('6'))) return ActionKind::Key;
    if (code.startsWith(QLatin1Char('9'))) return ActionKind::Hint;
    if (code.startsWith(QLatin1Char('3')) || code.startsWith(QLatin1Char('4')) ||
        code.startsWith(QLatin1Char('5')) ||
        (code.startsWith(QLatin1Char('8')) && !code.startsWith(QLatin1String("80"))))
        return ActionKind::PopupPick;
    return ActionKind::None;
}

bool isPointing(ActionKind kind)
{
    switch (kind) {
    case ActionKind::None:
    case ActionKind::Key:
    case ActionKind::Auto:
    case ActionKind::Terminal:
        return false;
    default:
        return true;
    }
}

int jumpStep(const QString& jump)
{
    if (jump.isEmpty() || jump == QLatin1String("0")) return 0;
    const std::optional<qint16> value = common::FieldNumber(jump);
    if (!value) return 0;
    if (*value != 0) return *value;
    return int(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ").indexOf(jump.left(1))) + 1 + 9;
}

bool jumpInBlock(int step, int count)
{
    return step >= 1 && (count == 0 || step <= count);
}

int hotSpotOf(const QString& menuId)
{
    const int last = common::FieldNumber(menuId.right(1)).value_or(0);
    if (menuId.startsWith(QLatin1Char('Z'))) return 100 + last;
    const int n = common::FieldNumber(menuId).value_or(0);
    return n != 0 ? n : last;
}

QString menuIdOf(int n, QChar appLetter)
{
    if (n >= 100) return QStringLiteral("Z") + QString::number(n % 10);
    return ((appLetter.isNull() ? QString() : QString(appLetter)) + QString::number(n)).right(2);
}

int tabNumber(QChar c)
{
    if (c.isDigit()) return c.digitValue();
    if (c >= u'A' && c <= u'D') return 10 + (c.unicode() - u'A');
    return 0;
}

bool Step::tabChange() const
{
    const QChar letter = tabLetter();
    return hasTabs() && letter.unicode() < 128 && !desktop::tabTemplate(char(letter.unicode())).empty() &&
           at(col::TabSpec + 2) != at(col::TabSpec + 3);
}

MenuPath Step::menuPath() const
{
    const QString t = is(col::TargetC, 'H') ? targetC() : targetA();
    MenuPath p;
    p.menuId = t.mid(1, 2);
    p.row1 = common::FieldNumber(t.mid(3, 2)).value_or(0);
    p.row2 = common::FieldNumber(t.mid(5, 2)).value_or(0);
    p.row3 = common::FieldNumber(t.mid(7, 2)).value_or(0);
    p.jump = t.mid(9, 1);
    if (p.jump.isEmpty()) p.jump = QStringLiteral("0");
    return p;
}

} // namespace steps
