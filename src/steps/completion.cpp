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
        return actionNumber(s.action()) == 30 ? QStringLiteral("0") : s.mainJump();
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
    const std::optional<TypedText> typed = typedText(s.action());
    return s.auxJump() == QLatin1String("0") && !(typed && typed->secondRelease) && s.paneCode() != ee &&
           s.winCode() != ee;
}

bool mainReleaseJumps(const Step& s)
{
    switch (s.kind()) {
    case ActionKind::Hint:
    case ActionKind::Terminal:
    case ActionKind::RightClick:
    case ActionKind::PopupPick:
        return false;
    default:
        break;
    }
    const int n = actionNumber(s.action());
    if (n == 1 || n == 2) return false;
    if (const std::optional<TypedText> typed = typedText(s.action()); typed && typed->click) return false;
    return isJump(s.mainJump());
}

std::optional<TypedText> typedText(const QString& code)
{
    if (actionKind(code) != ActionKind::Typing) return std::nullopt;
    using F = TypedText::Field;
    using C = TypedText::Compare;
    using S = TypedText::Shown;
    TypedText t;
    switch (actionNumber(code)) {
    case 20:
        t.onChange = true;
        break;
    case 21:
        t.field = F::Second;
        t.onChange = true;
        t.compare = C::WholeEntry;
        break;
    case 22:
        t.enter = t.click = true;
        t.shown = S::Click;
        break;
    case 23:
        t.selection = true;
        t.shown = S::Selection;
        break;
    case 24:
        t.enter = true;
        t.shown = S::Enter;
        break;
    case 25:
        t.onChange = true;
        t.compare = C::CaseKept;
        break;
    case 26:
        t.click = true;
        t.shown = S::Click;
        break;
    case 27:
        t.field = F::Third;
        t.onChange = true;
        break;
    case 28:
        t.enter = t.click = t.secondRelease = true;
        t.shown = S::Enter;
        break;
    default:
        return std::nullopt;
    }
    return t;
}

QString typedAnswer(const TypedText& rule, const QString& entry)
{
    if (rule.compare == TypedText::Compare::WholeEntry) return entry;
    return entry.section(QLatin1Char('|'), 0, 0);
}

std::optional<PictureDrag> pictureDrag(int code)
{
    switch (code) {
    case 8001:
        return PictureDrag{-1, 0};
    case 8002:
        return PictureDrag{+1, 0};
    case 8003:
        return PictureDrag{0, -1};
    case 8004:
        return PictureDrag{0, +1};
    case 8006:
        return PictureDrag{-1, +1};
    case 8007:
        return PictureDrag{+1, +1};
    case 8008:
        return PictureDrag{-1, -1};
    case 8009:
        return PictureDrag{+1, -1};
    default:
        return std::nullopt;
    }
}

bool pictureDropAccepted(const PictureDrag& drag, double left, double top, double tx, double ty)
{
    const auto past = [](int side, double at, double line) {
        return side == 0 || (side < 0 ? at <= line : at >= line);
    };
    return past(drag.x, left, tx) && past(drag.y, top, ty);
}

bool actionCompletes(const Step& s)
{
    const int n = actionNumber(s.action());
    switch (s.kind()) {
    case ActionKind::None:
        return false;
    case ActionKind::Typing:
        return typedText(s.action()).has_value();
    case ActionKind::Band:
        return secondTargetShown(s);
    case ActionKind::Drag:
        // The drag is accepted only once the second target's pointer has changed to the drag pointer.
        return secondTargetShown(s) && !(s.cursorKind() == u'S' && s.cursorNumber() == 0);
    case ActionKind::Click:
        // "0004" has no click of its own: a release over the target only jumps.
        return n != 4 || isJump(s.mainJump());
    case ActionKind::Hint: {
        const int button = n % 100, shift = (n % 1000) / 100;
        return (button == 1 || button == 2 || button == 4) && shift <= 7;
    }
    default:
        return true;
    }
}

bool targetsTakePointer(const Step& s)
{
    return !s.action().startsWith(QLatin1String("80"));
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
    if (actionCompletes(s)) {
        const QString jump = actionJump(s);
        return {Way::Action, 0, isJump(jump) ? jump : QStringLiteral("0")};
    }
    const bool targets = targetsTakePointer(s);
    std::vector<Completion> ways;
    if (targets && secondTargetShown(s) && secondTargetPressAdvances(s))
        ways.push_back({Way::SecondPress, 0, QStringLiteral("0")});
    for (int k = 1; k <= 6; ++k)
        if (pictureShown(s, k) && !pictureJump(s, k).isEmpty())
            ways.push_back({Way::Picture, k, pictureJump(s, k)});
    if (targets && mainReleaseJumps(s) && s.number(col::MainRect + 10, 5) > 0 &&
        s.number(col::MainRect + 15, 5) > 0)
        ways.push_back({Way::MainRelease, 0, s.mainJump()});
    if (targets && secondTargetShown(s) && isJump(s.auxJump()))
        ways.push_back({Way::SecondRelease, 0, s.auxJump()});
    if (keyCompletes(s)) ways.push_back({Way::Key, 0, QStringLiteral("0")});
    if (ways.empty()) return {};
    for (const Completion& c : ways)
        if (leadsTo(c, step) > step) return c;
    return ways.front();
}

} // namespace steps
