#include "sample/bank.h"

#include "sample/layout.h"
#include "sample/step_record.h"
#include "steps/hotspot_tables.h"
#include "steps/menu_tables.h"
#include "steps/step.h"

#include <QBuffer>
#include <QHash>
#include <QImageWriter>
#include <QSet>
#include <algorithm>
#include <optional>
#include <tuple>

namespace sample {
namespace {

struct Drawn {
    QString code;
    QSize size;
    QHash<QString, QRect> items;
};

class Builder {
public:
    Builder(const ModuleDef& m, QString* e)
        : module(m)
        , error(e)
    {}

    std::optional<BankFiles> run();

private:
    bool fail(const QString& why)
    {
        if (error && error->isEmpty()) *error = why;
        return false;
    }
    const Drawn* picture(const QString& name);
    int textLine(const QString& text);
    std::optional<QRect> find(const StepDef& s, const QString& item, const QString& where);
    // The controls of a step's pictures that nothing above them covers: those whose label is one
    // of `names`, and all the others.
    std::pair<QList<QRect>, QList<QRect>> controls(const StepDef& s, const QStringList& names);
    std::optional<QString> record(const StepDef& s, int stepCount, const QString& where);

    const ModuleDef& module;
    QString* error;
    QHash<QString, Drawn> drawn;
    QList<PictureFile> files;
    QHash<QString, int> texts;
    QStringList textLines;
};

const Drawn* Builder::picture(const QString& name)
{
    const auto it = drawn.constFind(name);
    if (it != drawn.constEnd()) return &*it;
    const SceneDef* def = module.scenes.find(name);
    if (!def) {
        fail(QStringLiteral("no picture named \"%1\"").arg(name));
        return nullptr;
    }
    Canvas canvas(def->size);
    def->draw(canvas);
    Drawn d;
    d.code = QStringLiteral("P%1").arg(drawn.size() + 1, 5, 10, QLatin1Char('0'));
    // A picture the records name by a fixed code ("#" and the code).
    if (name.startsWith(u'#') && name.size() == 7) d.code = name.mid(1);
    d.size = def->size;
    d.items = canvas.items();
    files.append(PictureFile{d.code + QStringLiteral(".rar"), encodePicture(canvas.finish())});
    return &*drawn.insert(name, d);
}

int Builder::textLine(const QString& text)
{
    const auto it = texts.constFind(text);
    if (it != texts.constEnd()) return *it;
    textLines.append(QString::number(textLines.size() + 1).rightJustified(3, u'0') + text);
    texts.insert(text, int(textLines.size()));
    return int(textLines.size());
}

// The item's rectangle on the screen: the topmost picture that has it, which nothing above covers.
std::optional<QRect> Builder::find(const StepDef& s, const QString& item, const QString& where)
{
    QList<std::pair<const Drawn*, QPoint>> layers;
    const Drawn* bg = picture(s.background);
    if (!bg) return std::nullopt;
    layers.append({bg, QPoint(0, 0)});
    for (const OverlayDef& o : s.overlays) {
        const Drawn* d = picture(o.scene);
        if (!d) return std::nullopt;
        layers.append({d, o.at});
    }
    for (int i = int(layers.size()) - 1; i >= 0; --i) {
        const auto [d, at] = layers[i];
        const auto hit = d->items.constFind(item);
        if (hit == d->items.constEnd()) continue;
        const QRect r = hit->translated(at);
        for (int j = i + 1; j < layers.size(); ++j) {
            if (QRect(layers[j].second, layers[j].first->size).intersects(r)) {
                fail(QStringLiteral("%1: \"%2\" lies under a picture above it").arg(where, item));
                return std::nullopt;
            }
        }
        return r;
    }
    fail(QStringLiteral("%1: no item \"%2\" on its pictures").arg(where, item));
    return std::nullopt;
}

// A label of an item (after the kind of item and its colon) names one of `names` when it is that
// name, or that name followed by its access key. A readout ("读数:…", the value a slider or a
// setting shows) counts as named: it is what the step changes. Bare places ("…:空白") are no
// controls, nor are areas as large as a window's whole body.
std::pair<QList<QRect>, QList<QRect>> Builder::controls(const StepDef& s, const QStringList& names)
{
    QList<std::pair<const Drawn*, QPoint>> layers;
    if (const Drawn* bg = picture(s.background)) layers.append({bg, QPoint(0, 0)});
    for (const OverlayDef& o : s.overlays)
        if (const Drawn* d = picture(o.scene)) layers.append({d, o.at});
    QList<QRect> named, others;
    for (int i = 0; i < layers.size(); ++i) {
        const auto [d, at] = layers[i];
        for (auto it = d->items.constBegin(); it != d->items.constEnd(); ++it) {
            const QRect r = it->translated(at);
            bool covered = false;
            for (int j = i + 1; j < layers.size() && !covered; ++j)
                covered = QRect(layers[j].second, layers[j].first->size).intersects(r);
            if (covered) continue;
            const QString label = it.key().section(u':', 1);
            if (it.key().startsWith(QStringLiteral("读数:")) ||
                std::any_of(names.begin(), names.end(),
                            [&](const QString& n) { return label == n || label.startsWith(n + u'('); }))
                named.append(r);
            else if (label != QLatin1String("空白") && r.width() * r.height() < 200 * 150)
                others.append(r);
        }
    }
    return {named, others};
}

// The names a hint quotes (“...”).
QStringList quotedNames(const QString& hint)
{
    QStringList out;
    qsizetype from = 0;
    while ((from = hint.indexOf(u'“', from)) >= 0) {
        const qsizetype end = hint.indexOf(u'”', from);
        if (end < 0) break;
        out << hint.mid(from + 1, end - from - 1);
        from = end;
    }
    return out;
}

// A rectangle reaching under the question panel is cut back to the part the candidate can reach.
std::optional<QRect> reachable(QRect r)
{
    const QRect panel = layout::PanelCorner.px();
    if (!r.intersects(panel)) return r;
    if (r.left() < panel.left()) {
        r.setRight(panel.left() - 1);
        return r;
    }
    if (r.top() < panel.top()) {
        r.setBottom(panel.top() - 1);
        return r;
    }
    return std::nullopt;
}

// The room the hint takes as the desktops show it: a typed-text step puts the words of its prompt
// before and after the text and writes the two accepted answers with "或  " between them; the
// longer of the two desktops' hints. Only its length matters here.
QString shownHint(const QString& record, const QString& hint)
{
    const QString code = common::field(record, col::Action, 4);
    const QString desk = steps::typedTextHint(code, hint, false);
    const QString demo = steps::typedTextHint(code, hint, true);
    return desk.size() >= demo.size() ? desk : demo;
}

// What a hint must leave in sight: what the step uses and what the hint names (`keepClear`), and
// the area boxes the step shows (the hint lies on the form, below them); and what it had better
// not cover: every other control of the step's pictures.
struct HintRoom {
    QList<QRect> keepClear;
    QList<QRect> boxes;
    QList<QRect> controls;
};

// The area boxes a step's window codes show.
QList<QRect> areaBoxes(const QString& record)
{
    const auto box = [](const hotspots::Rect& r) {
        return layout::Twips{int(r.left), int(r.top), int(r.width), int(r.height)}.px();
    };
    QList<QRect> out;
    const QString win = common::field(record, col::WinCode, 2);
    const QChar c6 = win.isEmpty() ? QChar() : win[0];
    const int v = win.size() == 2 && win[1].isDigit() ? win[1].digitValue() : 0;
    if (c6 == u'M') out << box(hotspots::DesktopBox);
    if (QStringLiteral("ABCDEFGO").contains(c6) && win != QLatin1String("EE")) {
        if (c6 != u'O') out << QRect(0, int(menus::MenuBarTop) / layout::TwipsPerPixel, layout::ScreenW, 19);
        if (v % 2) out << box(hotspots::ToolBox);
        if (v / 2) out << box(hotspots::TaskPaneBox);
    }
    const QString pane = common::field(record, col::PaneCode, 1);
    if (pane == QLatin1String("P")) out << box(hotspots::MyPcBox);
    if (pane == QLatin1String("N")) out << box(hotspots::DialogBox);
    return out;
}

// Where the hint goes: right of the target, else below, above or left of it, on the screen and
// clear of the question panel. A step without a place for it shows the hint near the top, clear of
// the area boxes it shows: on the task bar when the desktop's box covers the screen, between the
// toolbar and the boxes below it when the step shows window chrome. When each of these places
// would cover a control, the hint goes to the nearest place that covers the fewest.
QPoint hintPlace(const QRect& target, const QString& hint, const QString& record, const QRect& edit,
                 const HintRoom& room)
{
    const QSize size(int(shownHint(record, hint).size()) * 15 + 12, 22);
    const QRect screen(4, 4, layout::ScreenW - 8, layout::TaskbarTop - 8);
    const QRect panel = layout::PanelCorner.px();
    const auto hits = [](const QRect& box, const QList<QRect>& rects) {
        return int(
            std::count_if(rects.begin(), rects.end(), [&](const QRect& r) { return box.intersects(r); }));
    };
    const auto allowed = [&](const QRect& box) {
        return screen.contains(box) && !box.intersects(panel) && !box.intersects(edit) &&
               hits(box, room.keepClear) == 0 && hits(box, room.boxes) == 0;
    };
    QList<QPoint> tries;
    if (target.isNull()) {
        const QString win = common::field(record, col::WinCode, 1),
                      pane = common::field(record, col::PaneCode, 1);
        if (win == QLatin1String("M")) return {layout::StartButton.px().right() + 8, layout::TaskbarTop + 6};
        const bool chrome = (win.size() == 1 && QStringLiteral("ABCDEFGO").contains(win)) ||
                            pane == QLatin1String("P") || pane == QLatin1String("N");
        tries << (chrome ? QPoint(200, layout::ToolBox.px().bottom() + 2) : QPoint(200, 30));
    } else {
        tries << QPoint(target.right() + 10, target.top()) << QPoint(target.left(), target.bottom() + 8)
              << QPoint(target.left(), target.top() - size.height() - 6)
              << QPoint(target.left() - size.width() - 10, target.top());
        // The edit field is a window of its own that would hide the hint: above or below it instead.
        if (!edit.isNull())
            tries << QPoint(edit.left(), edit.top() - size.height() - 6)
                  << QPoint(edit.left(), edit.bottom() + 8);
    }
    for (const QPoint& at : tries) {
        const QRect box(at, size);
        if (allowed(box) && hits(box, room.controls) == 0) return at;
    }
    // The nearest place that covers the fewest controls.
    const QPoint anchor = tries.first();
    std::optional<QPoint> best;
    std::pair<int, qint64> bestScore{0, 0};
    for (int y = screen.top(); y + size.height() <= screen.bottom(); y += 6) {
        for (int x = screen.left(); x + size.width() <= screen.right(); x += 8) {
            const QRect box(QPoint(x, y), size);
            if (!allowed(box)) continue;
            const QPoint d = box.topLeft() - anchor;
            const std::pair<int, qint64> score{hits(box, room.controls),
                                               qint64(d.x()) * d.x() + qint64(d.y()) * d.y()};
            if (!best || score < bestScore) {
                best = box.topLeft();
                bestScore = score;
            }
        }
    }
    if (best) return *best;
    if (target.isNull()) return anchor;
    for (const QPoint& at : tries) {
        const QRect box(at, size);
        if (screen.contains(box) && !box.intersects(panel) && !box.intersects(edit)) return at;
    }
    return {std::clamp(target.left(), 4, std::max(4, panel.left() - size.width())),
            std::clamp(target.bottom() + 8, 4, layout::TaskbarTop - size.height())};
}

// Whether a jump character other than "0" stays in a question of `stepCount` steps, by the engines'
// own jump rule.
bool jumpStaysIn(QChar c, int stepCount)
{
    return steps::jumpInBlock(steps::jumpStep(QString(c)), stepCount);
}

std::optional<QString> Builder::record(const StepDef& s, int stepCount, const QString& where)
{
    StepRecord r;
    const Drawn* bg = picture(s.background);
    if (!bg) return std::nullopt;
    r.set(col::BgCode, bg->code);
    QSet<int> slots;
    for (const OverlayDef& o : s.overlays) {
        const Drawn* d = picture(o.scene);
        if (!d) return std::nullopt;
        if (o.jump != u'0' && !jumpStaysIn(o.jump, stepCount)) {
            fail(QStringLiteral("%1: the picture's jump \"%2\" leaves the question")
                     .arg(where, QString(o.jump)));
            return std::nullopt;
        }
        if (o.slot < 1 || o.slot > 5 || slots.contains(o.slot)) {
            fail(QStringLiteral("%1: overlay slot %2 cannot be used").arg(where).arg(o.slot));
            return std::nullopt;
        }
        slots.insert(o.slot);
        r.setSlot(slotColumn(o.slot), o.at.x() * layout::TwipsPerPixel, o.jump,
                  o.at.y() * layout::TwipsPerPixel, d->code);
    }
    const auto twipsOf = [&](const QString& item) -> std::optional<layout::Twips> {
        const std::optional<QRect> found = find(s, item, where);
        if (!found) return std::nullopt;
        const std::optional<QRect> ok = reachable(*found);
        if (!ok) {
            fail(QStringLiteral("%1: \"%2\" lies under the question panel").arg(where, item));
            return std::nullopt;
        }
        return layout::twips(*ok);
    };
    const auto checkJump = [&](QChar j) {
        if (j == u'0') return true;
        return jumpStaysIn(j, stepCount)
                   ? true
                   : fail(QStringLiteral("%1: jump \"%2\" leaves the question").arg(where, QString(j)));
    };

    QString action = s.action;
    const bool listStep = !s.list.isEmpty();
    if (listStep) {
        if (s.listShown == s.listPick || s.listPick < 0 || s.listPick >= s.list.size() || s.listShown < 0 ||
            s.listShown >= s.list.size()) {
            fail(QStringLiteral("%1: the list's shown and picked entries must be two different entries")
                     .arg(where));
            return std::nullopt;
        }
        action = QStringLiteral("L") +
                 QString::number(textLine(s.list.join(QLatin1Char('|')))).rightJustified(3, u'0');
    }
    if (action.size() != 4) {
        fail(QStringLiteral("%1: action code \"%2\" is not 4 characters").arg(where, action));
        return std::nullopt;
    }
    r.set(col::Action, action);

    QRect hintAt, editAt;
    std::optional<layout::Twips> main;
    if (!s.target.isEmpty()) {
        main = twipsOf(s.target);
        if (!main || !checkJump(s.jump)) return std::nullopt;
        r.setRect(col::MainRect, main->left, s.jump, main->top, main->width, main->height);
        hintAt = main->px();
    }
    std::optional<layout::Twips> aux;
    if (!s.aux.isEmpty()) {
        aux = twipsOf(s.aux);
        if (!aux || !checkJump(s.auxJump)) return std::nullopt;
        r.setRect(col::AuxRect, aux->left, s.auxJump, aux->top, aux->width, aux->height);
    }
    const bool typing = action.startsWith(QStringLiteral("002"));
    if (!s.edit.isEmpty()) {
        const std::optional<layout::Twips> e = twipsOf(s.edit);
        if (!e) return std::nullopt;
        r.setRect(col::EditRect, e->left, u'0', e->top, e->width, e->height);
        if (hintAt.isNull()) hintAt = e->px();
        editAt = e->px();
        if (listStep) {
            r.setNumber(col::TextLine, 3, s.listShown);
            r.setNumber(col::AnswerLine, 3, s.listPick);
        } else {
            if (!s.text.isEmpty()) r.setNumber(col::TextLine, 3, textLine(s.text));
            if (!s.answer.isEmpty()) r.setNumber(col::AnswerLine, 3, textLine(s.answer));
        }
        if (!s.editFormat.isEmpty()) {
            if (s.editFormat.size() != 10 || s.editFormat[5] == u'X') {
                fail(QStringLiteral("%1: edit format \"%2\" is not a format").arg(where, s.editFormat));
                return std::nullopt;
            }
            r.set(col::EditFormat, s.editFormat);
        }
    } else if (typing || listStep) {
        fail(QStringLiteral("%1: a typing or list step needs its edit field").arg(where));
        return std::nullopt;
    }
    if (typing && action != QStringLiteral("0023")) {
        const QStringList answers = s.answer.split(QLatin1Char('|'));
        if (s.answer.trimmed().isEmpty() || answers.contains(s.text.trimmed(), Qt::CaseInsensitive)) {
            fail(QStringLiteral("%1: the answer must differ from the field's initial text").arg(where));
            return std::nullopt;
        }
    }
    if (!s.cursor.isEmpty()) {
        if (!s.edit.isEmpty() || s.cursor.size() != 3 || (s.cursor[0] != u'S' && s.cursor[0] != u'M')) {
            fail(QStringLiteral("%1: pointer \"%2\" cannot be given").arg(where, s.cursor));
            return std::nullopt;
        }
        r.set(col::CursorSpec, s.cursor.left(1) + QStringLiteral("00") + s.cursor.mid(1));
    }
    if (!s.winCode.isEmpty() || !s.menuPath.isEmpty()) {
        if (s.winCode.size() != 2 || s.menuPath.size() != 10 || !s.menuPath.startsWith(u'H')) {
            fail(QStringLiteral("%1: menu step \"%2\" \"%3\" is not a window and a menu path")
                     .arg(where, s.winCode, s.menuPath));
            return std::nullopt;
        }
        r.set(col::WinCode, s.winCode);
        r.set(col::TargetC, s.menuPath);
    }
    // The Start button's own hot-spot would take a click meant for a target lying on it.
    const QRect start = layout::StartButton.px();
    if ((main && main->px().intersects(start)) || (aux && aux->px().intersects(start)))
        r.set(col::PaneCode + 1, u"F");

    // Fields given by column: written before the hint is placed (it keeps clear of the boxes the
    // window codes show) and again last, so that they stand over anything laid out after them.
    for (const auto& [column, text] : s.columns)
        r.set(column, text);
    if (!s.objectLook.isEmpty()) {
        const Drawn* look = picture(s.objectLook);
        if (!look) return std::nullopt;
        r.set(col::PointSpec, look->code);
    }
    if (!s.hint.isEmpty()) {
        HintRoom room;
        std::tie(room.keepClear, room.controls) = controls(s, quotedNames(s.hint));
        if (main) room.keepClear << main->px();
        if (aux) room.keepClear << aux->px();
        if (!editAt.isNull()) room.keepClear << editAt;
        for (const OverlayDef& o : s.overlays) {
            // The picture the step drags.
            if (o.slot == 5) room.keepClear << QRect(o.at, picture(o.scene)->size);
        }
        room.boxes = areaBoxes(r.str());
        const QPoint at = hintPlace(hintAt, s.hint, r.str(), editAt, room);
        r.setNumber(col::HintPos, 5, at.x() * layout::TwipsPerPixel);
        r.setNumber(col::HintPos + 5, 5, at.y() * layout::TwipsPerPixel);
        r.setNumber(col::HintLine, 3, textLine(s.hint));
    }
    for (const QString& page : s.pages)
        if (!picture(page)) return std::nullopt;
    for (const auto& [column, text] : s.columns)
        r.set(column, text);
    if (!r.error().isEmpty()) {
        fail(where + QStringLiteral(": ") + r.error());
        return std::nullopt;
    }
    return r.str();
}

std::optional<BankFiles> Builder::run()
{
    if (!module.scenes.duplicates().isEmpty()) {
        fail(QStringLiteral("picture \"%1\" is defined twice").arg(module.scenes.duplicates().first()));
        return std::nullopt;
    }
    BankFiles out;
    for (int u = 0; u < module.units.size(); ++u) {
        const UnitDef& unit = module.units[u];
        QStringList steps;
        QStringList list;
        for (int q = 0; q < unit.questions.size(); ++q) {
            const QuestionDef& question = unit.questions[q];
            const QString code =
                QStringLiteral("%1%2").arg(u, 2, 10, QLatin1Char('0')).arg(q + 1, 2, 10, QLatin1Char('0'));
            const int count = int(question.steps.size());
            if (count < 3 || count > 8) {
                fail(QStringLiteral("question %1 has %2 steps").arg(code).arg(count));
                return std::nullopt;
            }
            for (int k = 0; k < count; ++k) {
                const StepDef& s = question.steps[k];
                const QString where = QStringLiteral("question %1 step %2").arg(code).arg(k + 1);
                if ((s.action == QStringLiteral("9999")) != (k == count - 1)) {
                    fail(where + QStringLiteral(": the terminal record must be the last step and only it"));
                    return std::nullopt;
                }
                const std::optional<QString> rec = record(s, count, where);
                if (!rec) return std::nullopt;
                steps.append(*rec);
            }
            QString text = question.text;
            if (!question.illustration.isEmpty()) {
                const Drawn* pic = picture(question.illustration);
                if (!pic) return std::nullopt;
                text = QStringLiteral("picture") + pic->code + text;
            }
            list.append(code + QString::number(count).rightJustified(2, u'0') + text);
        }
        out.unitSteps.append(steps);
        out.unitLists.append(list);
    }
    if (textLines.size() > 999) {
        fail(QStringLiteral("more than 999 answer texts"));
        return std::nullopt;
    }
    out.answerTexts = textLines;

    QString counts;
    for (const UnitDef& unit : module.units)
        counts += QString::number(unit.questions.size()).rightJustified(2, u'0');
    out.setTable = {QStringLiteral("%1%2")
                        .arg(module.examSets.size(), 2, 10, QLatin1Char('0'))
                        .arg(module.units.size(), 2, 10, QLatin1Char('0')),
                    counts};
    for (const QStringList& set : module.examSets)
        out.setTable.append(set.join(QString()));
    out.pictures = files;
    return out;
}

} // namespace

QByteArray encodePicture(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const bool large = qint64(image.width()) * image.height() > 40000;
    QImageWriter writer(&buffer, large ? "jpeg" : "bmp");
    if (large) writer.setQuality(90);
    writer.write(large ? image : image.convertToFormat(QImage::Format_RGB888));
    return bytes;
}

std::optional<BankFiles> buildBank(const ModuleDef& module, QString* error)
{
    return Builder(module, error).run();
}

} // namespace sample
