#pragma once
// The question bank as readable data: pictures by name, and per unit a table of questions whose
// steps name their pictures and aim at the items drawn on them. The bank builder turns this into
// step records, question lists, the answer texts and the picture files.
#include "sample/canvas.h"
#include "sample/xp.h"

#include <QChar>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>

namespace sample {

// A picture of the question bank, drawn by our own code.
struct SceneDef {
    QString name;
    QSize size;
    std::function<void(Canvas&)> draw;
};

// All pictures by name; a name may be defined once.
class Scenes {
public:
    void add(const QString& name, QSize size, std::function<void(Canvas&)> draw);
    // A full-screen picture (800 x 600).
    void screen(const QString& name, std::function<void(Canvas&)> draw);
    // A dialog: its frame (close button, "?" when help) and a body drawn into the client area.
    void dialog(const QString& name, QSize size, const QString& title,
                std::function<void(Canvas&, const QRect&)> body, bool help = true);
    // A property sheet: tabs over the body, with the buttons 确定, 取消 and 应用(A) below them.
    void sheet(const QString& name, QSize size, const QString& title, const QStringList& tabTitles,
               int active, std::function<void(Canvas&, const QRect&)> page, bool applyEnabled = false);
    // A drop-down or context menu on its own.
    void menu(const QString& name, const QList<xp::MenuRow>& rows, int highlighted = -1, int minWidth = 0);

    const SceneDef* find(const QString& name) const;
    // Names defined twice (a mistake in the tables).
    const QStringList& duplicates() const { return dups; }

private:
    std::map<QString, SceneDef> defs;
    QStringList dups;
};

struct OverlayDef {
    int slot = 1; // 1-5 (slot 6 is a picture box that lies above every target; it is not used)
    QString scene;
    QPoint at;         // pixels
    QChar jump = u'0'; // a click on the picture jumps by it; "0": not clickable
};

// One step of a question. The builder functions below fill the fields each action needs.
struct StepDef {
    QString background;         // picture name
    QList<OverlayDef> overlays; // shown above the background, in slot order
    QString action = QStringLiteral("0000");
    QString target; // item aimed at (searched in the overlays from the top, then the background)
    QChar jump = u'0';
    QString aux; // second target: a left press on it completes the step too
    QChar auxJump = u'0';
    QString edit;   // the item the edit field or the list covers
    QString text;   // the edit field's initial text
    QString answer; // the accepted answer, or two separated by "|"
    QString hint;
    QStringList list; // list steps: the entries
    int listShown = 0;
    int listPick = 0;
    QString cursor;     // "S11": standard pointer 11; "M01": the cursor file ico01.CUR
    QString editFormat; // 10 characters of the edit field's format, empty for the default
    // Menu steps: the window's code (record columns 6-7, its letter names the menu bar) and the
    // menu path picked in the simulated drop-downs ("H", menu id, three rows, jump; at targetC).
    QString winCode;
    QString menuPath;

    // Hot-spot steps: fields written as given once the rest is laid out (paneCode, winCode, the
    // target slots), and the picture of an object's selected look (pointSpec, "S" steps).
    QList<std::pair<int, QString>> columns{};
    QString objectLook{};
    StepDef& at(int column, const QString& text);

    StepDef& over(int slot, const QString& scene, QPoint at, QChar jumpChar = u'0');
    StepDef& jumpTo(QChar step);
    StepDef& alsoBy(const QString& auxTarget, QChar jumpChar = u'0');
    StepDef& pointer(const QString& shape);
    StepDef& format(const QString& f);
};

StepDef click(const QString& bg, const QString& target, const QString& hint);
StepDef doubleClick(const QString& bg, const QString& target, const QString& hint);
StepDef rightClick(const QString& bg, const QString& target, const QString& hint);
// A right click that opens the context menu of "sMenu.sys" named by `code` (3000-6000) and the
// pick of the item the code names.
StepDef contextPick(const QString& bg, const QString& target, int code, const QString& hint);
StepDef hover(const QString& bg, const QString& target, const QString& hint);
// An automatic step: it goes on by itself after a second.
StepDef wait(const QString& bg, const QString& hint);
// A click with a button and keys: code 9000-9998 (button = code mod 100, keys = code mod 1000 div 100).
StepDef keyClick(const QString& bg, const QString& target, int code, const QString& hint);
// Typed text: action "0020"-"0028" into the edit field over `field`; `target` for the codes that
// also take a click ("0022", "0026", "0028").
StepDef typeText(const QString& code, const QString& bg, const QString& field, const QString& initial,
                 const QString& answer, const QString& target = QString());
// Selecting with the mouse the text `selection` of the edit field ("0023").
StepDef selectText(const QString& bg, const QString& field, const QString& content, const QString& selection);
// A pick in the simulated list laid over `field`.
StepDef pickFromList(const QString& bg, const QString& field, const QStringList& entries, int shown, int pick,
                     const QString& hint);
// The terminal record.
StepDef done(const QString& bg);
// A pick in the simulated drop-down menus: the menu `menuId` opened from its hot-spot, then rows
// row1, row2 and row3 (0 where the path ends), in the window `winCode` ("A0": a folder window's
// menu bar, "00": no window).
StepDef menuPick(const QString& bg, const QString& winCode, const QString& menuId, int row1, int row2,
                 int row3, const QString& hint);

struct QuestionDef {
    QString text;
    QList<StepDef> steps;
    QString illustration{}; // picture name of the question's illustration, or empty
};

struct UnitDef {
    QString title;
    QList<QuestionDef> questions;
};

// The module: its units, its exam sets (question codes UUQQ) and its pictures.
struct ModuleDef {
    QList<UnitDef> units;
    QList<QStringList> examSets;
    Scenes scenes;
};

// The sample module.
const ModuleDef& sampleModule();

// Its pictures shared by the units, and the units, one file each.
void addCommonScenes(Scenes& s);
UnitDef unitDesktop(Scenes& s);
UnitDef unitFiles(Scenes& s);
UnitDef unitSettings(Scenes& s);
UnitDef unitAccessories(Scenes& s);
UnitDef unitMenus(Scenes& s);
UnitDef unitHotspots(Scenes& s);

} // namespace sample
