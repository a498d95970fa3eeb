#include "steps/step.h"

#include "common/numbers.h"
#include "steps/tab_templates.h"

namespace steps {

int actionNumber(const QString& code)
{
    if (code.startsWith(QLatin1Char('L'))) return 0;
    return common::FieldNumber(code).value_or(0);
}

ActionKind actionKind(const QString& code)
{
    if (code.startsWith(QLatin1Char('L'))) return ActionKind::List;
    const int n = actionNumber(code);
    if (n == 1 || n == 4 || n == 30) return ActionKind::Click;
    if (n == 2) return ActionKind::DoubleClick;
    if (n == 3) return ActionKind::RightClick;
    if (n >= 20 && n <= 29) return ActionKind::Typing;
    if (n >= 40 && n <= 49) return ActionKind::Band;
    if (n >= 50 && n <= 59) return ActionKind::Drag;
    if (n >= 3000 && n <= 6000) return ActionKind::PopupPick;
    if (isKeyCode(n)) return ActionKind::Key;
    if (n == 7000) return ActionKind::Menu;
    if ((n >= 8001 && n <= 8004) || (n >= 8006 && n <= 8009)) return ActionKind::ImageDrag;
    if (n == 8888) return ActionKind::Auto;
    if (n >= 8100 && n <= 8999) return ActionKind::PopupPick;
    if (n >= 9000 && n <= 9998) return ActionKind::Hint;
    if (n == 9999) return ActionKind::Terminal;
    return ActionKind::None;
}

int popupCodeOf(const QString& code)
{
    if (actionKind(code) != ActionKind::PopupPick) return 0;
    const int n = actionNumber(code);
    return n >= 8100 ? n - 2000 : n;
}

bool isKeyCode(int n)
{
    return n >= 6001 && n <= 6999;
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

std::optional<TypedTextPrompt> typedTextPrompt(const QString& code, bool demonstration)
{
    static constexpr const char* Input = "输入 ";
    if (actionKind(code) != ActionKind::Typing) return std::nullopt;
    const int n = actionNumber(code);
    if (n == 20 || n == 21 || n == 27 || (n == 25 && !demonstration))
        return TypedTextPrompt{Input, "", false};
    if (n == 22) return TypedTextPrompt{Input, " 并按回车键或点红色方框处", true};
    if (n == 24) return TypedTextPrompt{Input, " 并按回车键", false};
    if (n == 23) return TypedTextPrompt{"请选中 ", "", false};
    if (n == 26) return TypedTextPrompt{Input, " 并点击红色方框处", true};
    if (n == 28 && demonstration)
        return TypedTextPrompt{"在单元格或编辑栏中输入 ", " 并按回车键或点编辑区或点“√”", true};
    return std::nullopt;
}

QString typedTextHint(const QString& code, QString hint, bool demonstration)
{
    if (actionKind(code) != ActionKind::Typing) return hint;
    hint.replace(QLatin1Char('|'), QStringLiteral("或  "));
    const std::optional<TypedTextPrompt> p = typedTextPrompt(code, demonstration);
    if (!p) return hint;
    return QString::fromUtf8(p->before) + hint + QString::fromUtf8(p->after);
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

Jump jumpIn(const QString& jump, int count)
{
    const int n = jumpStep(jump);
    if (n == 0) return {};
    return {jumpInBlock(n, count) ? Jump::Outcome::ToStep : Jump::Outcome::PastBlock, n};
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

std::optional<MenuPick> Step::menuPick() const
{
    const QString t = targetB();
    if (t.size() < 3 || t.at(0) != u'D') return std::nullopt;
    return MenuPick{t.mid(1, 2), common::FieldNumber(t.mid(3, 2)).value_or(0), t.mid(6, 4)};
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
