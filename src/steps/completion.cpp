#include "steps/completion.h"

#include <vector>

namespace steps {

namespace {

bool isJump(const QString& jump)
{
    return !jump.isEmpty() && jump != QLatin1String("0");
}

// The step a completion of step `step` shows next.
int leadsTo(const Completion& c, int step)
{
    return c.jump == QLatin1String("0") ? step + 1 : jumpStep(c.jump);
}

// The jump that an action code's own rule follows.
QString actionJump(const Step& s)
{
    switch (s.kind()) {
    case ActionKind::Click:
        // A pointer over the target advances; a click goes by the target's JumpChar.
        return s.action() == QLatin1String("0030") ? QStringLiteral("0") : s.mainJump();
    case ActionKind::DoubleClick:
    case ActionKind::RightClick:
    case ActionKind::Hint:
        return s.mainJump();
    case ActionKind::Drag:
        return s.cursorJump();
    default:
        return QStringLiteral("0");
    }
}

} // namespace

const desktop::Shortcut* shortcutOf(const QString& item)
{
    for (const desktop::Shortcut& s : desktop::ShortcutTable)
        if (item == QLatin1String(s.item.data(), qsizetype(s.item.size()))) return &s;
    return nullptr;
}

bool secondTargetShown(const Step& s)
{
    return s.field(col::AuxRect + 10, 10) != QLatin1String("0000000000");
}

bool pictureShown(const Step& s, int k)
{
    const QString code = s.slotCode(k);
    return k >= 1 && k <= 6 && !code.isEmpty() && code != QLatin1String("000000");
}

bool secondTargetPressAdvances(const Step& s)
{
    const QString ee = QStringLiteral("EE");
    return s.auxJump() == QLatin1String("0") && s.action() != QLatin1String("0028") && s.paneCode() != ee &&
           s.winCode() != ee;
}

QString pictureJump(const Step& s, int k)
{
    const QString jump = k >= 1 && k <= 6 ? s.slotJump(k) : QString();
    return isJump(jump) ? jump : QString();
}

bool keyCompletes(const Step& s)
{
    if (s.kind() == ActionKind::Key) return true;
    for (int k = 1; k <= 3; ++k)
        if (const std::optional<int> alt = s.keyAlt(k); alt && isKeyCode(*alt)) return true;
    for (const QString& target : {s.targetC(), s.targetA(), s.targetB()})
        if (target.startsWith(QLatin1Char('H')) && shortcutOf(target.mid(1, 4))) return true;
    return false;
}

Completion completion(const Step& s, int step)
{
    if (s.kind() != ActionKind::None) {
        const QString jump = actionJump(s);
        return {Way::Action, 0, isJump(jump) ? jump : QStringLiteral("0")};
    }
    std::vector<Completion> ways;
    if (secondTargetShown(s) && secondTargetPressAdvances(s))
        ways.push_back({Way::SecondPress, 0, QStringLiteral("0")});
    for (int k = 1; k <= 6; ++k)
        if (pictureShown(s, k) && !pictureJump(s, k).isEmpty())
            ways.push_back({Way::Picture, k, pictureJump(s, k)});
    if (isJump(s.mainJump()) && s.number(col::MainRect + 10, 5) > 0 && s.number(col::MainRect + 15, 5) > 0)
        ways.push_back({Way::MainRelease, 0, s.mainJump()});
    if (secondTargetShown(s) && isJump(s.auxJump())) ways.push_back({Way::SecondRelease, 0, s.auxJump()});
    if (keyCompletes(s)) ways.push_back({Way::Key, 0, QStringLiteral("0")});
    if (ways.empty()) return {};
    for (const Completion& c : ways)
        if (leadsTo(c, step) > step) return c;
    return ways.front();
}

} // namespace steps
