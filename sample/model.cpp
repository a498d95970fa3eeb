#include "sample/model.h"

namespace sample {

void Scenes::add(const QString& name, QSize size, std::function<void(Canvas&)> draw)
{
    if (defs.count(name)) {
        dups.append(name);
        return;
    }
    defs.emplace(name, SceneDef{name, size, std::move(draw)});
}

void Scenes::screen(const QString& name, std::function<void(Canvas&)> draw)
{
    add(name, QSize(800, 600), std::move(draw));
}

void Scenes::dialog(const QString& name, QSize size, const QString& title,
                    std::function<void(Canvas&, const QRect&)> body, bool help)
{
    add(name, size, [=](Canvas& c) {
        const QRect client = xp::window(c, xp::Frame{c.rect(), title, xp::Icon::None, true, help});
        body(c, client);
    });
}

void Scenes::sheet(const QString& name, QSize size, const QString& title, const QStringList& tabTitles,
                   int active, std::function<void(Canvas&, const QRect&)> page, bool applyEnabled)
{
    dialog(name, size, title, [=](Canvas& c, const QRect& client) {
        const QRect area = client.adjusted(6, 6, -6, -40);
        const QRect body = xp::tabs(c, area, tabTitles, active);
        page(c, body);
        const int y = client.bottom() - 30;
        xp::button(c, QRect(client.right() - 245, y, 75, 23), QStringLiteral("确定"), true);
        xp::button(c, QRect(client.right() - 164, y, 75, 23), QStringLiteral("取消"));
        xp::button(c, QRect(client.right() - 83, y, 75, 23), QStringLiteral("应用(A)"), false, applyEnabled);
    });
}

void Scenes::menu(const QString& name, const QList<xp::MenuRow>& rows, int highlighted, int minWidth)
{
    add(name, xp::menuSize(rows, minWidth),
        [=](Canvas& c) { xp::menu(c, QPoint(0, 0), rows, highlighted, minWidth); });
}

const SceneDef* Scenes::find(const QString& name) const
{
    const auto it = defs.find(name);
    return it == defs.end() ? nullptr : &it->second;
}

StepDef& StepDef::over(int slot, const QString& scene, QPoint at, QChar jumpChar)
{
    overlays.append(OverlayDef{slot, scene, at, jumpChar});
    return *this;
}

StepDef& StepDef::at(int column, const QString& text)
{
    columns.append({column, text});
    return *this;
}

StepDef& StepDef::jumpTo(QChar step)
{
    jump = step;
    return *this;
}

StepDef& StepDef::alsoBy(const QString& auxTarget, QChar jumpChar)
{
    aux = auxTarget;
    auxJump = jumpChar;
    return *this;
}

StepDef& StepDef::pointer(const QString& shape)
{
    cursor = shape;
    return *this;
}

StepDef& StepDef::format(const QString& f)
{
    editFormat = f;
    return *this;
}

namespace {

StepDef aimed(const QString& action, const QString& bg, const QString& target, const QString& hint)
{
    StepDef s;
    s.background = bg;
    s.action = action;
    s.target = target;
    s.hint = hint;
    return s;
}

} // namespace

StepDef click(const QString& bg, const QString& target, const QString& hint)
{
    return aimed(QStringLiteral("0001"), bg, target, hint);
}

StepDef doubleClick(const QString& bg, const QString& target, const QString& hint)
{
    return aimed(QStringLiteral("0002"), bg, target, hint);
}

StepDef rightClick(const QString& bg, const QString& target, const QString& hint)
{
    return aimed(QStringLiteral("0003"), bg, target, hint);
}

StepDef contextPick(const QString& bg, const QString& target, int code, const QString& hint)
{
    return aimed(QString::number(code).rightJustified(4, u'0'), bg, target, hint);
}

StepDef hover(const QString& bg, const QString& target, const QString& hint)
{
    return aimed(QStringLiteral("0030"), bg, target, hint);
}

StepDef wait(const QString& bg, const QString& hint)
{
    return aimed(QStringLiteral("8888"), bg, QString(), hint);
}

StepDef keyClick(const QString& bg, const QString& target, int code, const QString& hint)
{
    return aimed(QString::number(code), bg, target, hint);
}

StepDef typeText(const QString& code, const QString& bg, const QString& field, const QString& initial,
                 const QString& answer, const QString& target)
{
    StepDef s = aimed(code, bg, target, answer.section(QLatin1Char('|'), 0, 0));
    // Both accepted answers show in the prompt ("或" between them).
    if (answer.contains(QLatin1Char('|'))) s.hint = answer;
    s.edit = field;
    s.text = initial;
    s.answer = answer;
    return s;
}

StepDef selectText(const QString& bg, const QString& field, const QString& content, const QString& selection)
{
    StepDef s = aimed(QStringLiteral("0023"), bg, QString(), selection);
    s.edit = field;
    s.text = content;
    return s;
}

StepDef pickFromList(const QString& bg, const QString& field, const QStringList& entries, int shown, int pick,
                     const QString& hint)
{
    StepDef s = aimed(QString(), bg, QString(), hint);
    s.edit = field;
    s.list = entries;
    s.listShown = shown;
    s.listPick = pick;
    return s;
}

StepDef done(const QString& bg)
{
    return aimed(QStringLiteral("9999"), bg, QString(), QString());
}

StepDef menuPick(const QString& bg, const QString& winCode, const QString& menuId, int row1, int row2,
                 int row3, const QString& hint)
{
    StepDef s = aimed(QStringLiteral("7000"), bg, QString(), hint);
    s.winCode = winCode;
    const auto two = [](int n) { return QString::number(n).rightJustified(2, u'0'); };
    s.menuPath = QStringLiteral("H") + menuId + two(row1) + two(row2) + two(row3) + QStringLiteral("0");
    return s;
}

namespace {

ModuleDef buildModule()
{
    ModuleDef m;
    addCommonScenes(m.scenes);
    m.units = {unitDesktop(m.scenes), unitFiles(m.scenes), unitSettings(m.scenes), unitAccessories(m.scenes)};
    // The drop-down menus' unit.
    m.units.append(unitMenus(m.scenes));
    // Units outside the exam sets.
    m.units.append(unitHotspots(m.scenes));
    // Exam sets: forty different questions each, every unit represented by ten.
    const auto code = [](int unit, int q) {
        return QString::number(unit).rightJustified(2, u'0') + QString::number(q).rightJustified(2, u'0');
    };
    QStringList first;
    QStringList second;
    QStringList third;
    for (int k = 0; k < 10; ++k) {
        for (int u = 0; u < 4; ++u) {
            first += code(u, k + 1);
            second += code(3 - u, 12 - k);
            third += code(u, (k * 7 + u) % 12 + 1);
        }
    }
    m.examSets = {first, second, third};
    return m;
}

} // namespace

const ModuleDef& sampleModule()
{
    static const ModuleDef m = buildModule();
    return m;
}

} // namespace sample
