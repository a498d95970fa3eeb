#pragma once
// The step record, typed: one named accessor per field, the action kind of a code, the jump rule,
// the menu path of a menu step and the hot-spot number of a menu id. Both desktops and the sample
// read records only through these, so the two desktops cannot read one field two ways.
#include <QChar>
#include <QString>
#include <optional>

#include "common/record.h"

namespace steps {

namespace col = common::col;

// What the candidate does to complete a step, by its action code (columns 8-11). The one
// classification of codes: the judges, the demonstration, the sample and the tests all ask it.
enum class ActionKind {
    None,        // "0000" and codes no rule names
    Click,       // "0001", "0004", "0030": a click on mainRect
    DoubleClick, // "0002"
    RightClick,  // "0003": a right click on mainRect that advances at once
    PopupPick,   // "3000"-"6000" and "8100"-"8999" but "8888": a right click and a pick in the pop-up
    Typing,      // "0020"-"0029": text typed into the edit field
    Band,        // "0040"-"0049": a rubber band from auxRect to mainRect
    Drag,        // "0050"-"0059": a drag from auxRect to mainRect
    Key,         // "6001"-"6999": a key (the code is a key code)
    Menu,        // "7000": a hot-spot and a drop-down path
    ImageDrag,   // "8001"-"8004", "8006"-"8009": Image5 dragged past pointSpec
    Auto,        // "8888": advances by itself
    Hint,        // "9000"-"9998": a click on mainRect with the button and Shift state the code names
    Terminal,    // "9999": the question is solved
    List,        // "L...": a pick in the simulated list
};
// The number of an action code by the leading-number rule of every numeric field: blanks are
// skipped and the first other character that is no digit ends it, so "0003", "3   " and " 3" all
// read 3, "3ab1" reads 3, and a text without a leading digit ("abcd", "") reads 0. A list code
// ("L" and its line) reads 0.
int actionNumber(const QString& code);
// The kind of a code: a list step when it begins with "L", otherwise the range above that holds its
// number (actionNumber), and None for a number no range holds.
ActionKind actionKind(const QString& code);
// The pop-up code that a PopupPick code opens: the code itself for "3000"-"6000", the code less
// 2000 for "8100"-"8999"; 0 for a code of another kind.
int popupCodeOf(const QString& code);
// Whether a four-digit number is a key code "6skk" ("6001"-"6999"): as an action code and as a
// key alternative alike.
bool isKeyCode(int n);
// A step that the candidate completes with the pointer (clicks, picks, bands, drags, typing into a
// field, hot-spots and menus); key, automatic and terminal steps are not.
bool isPointing(ActionKind kind);

// The words a desktop puts around the hint of a typed-text step ("0020"-"0029"), and whether the
// main target's frame stays (the step is completed by a click on it). The demonstration gives
// "0025" no words and words "0028" for its own box; the candidate's desktop gives "0028" none.
// None for a typed-text code without words, and for every other code.
struct TypedTextPrompt {
    const char* before = "";
    const char* after = "";
    bool framed = false;
};
std::optional<TypedTextPrompt> typedTextPrompt(const QString& code, bool demonstration);
// The hint of a typed-text step as that desktop shows it: its accepted answers joined by "或  "
// (for every typed-text code) and the prompt's words around them. Another code: the hint as it is.
QString typedTextHint(const QString& code, QString hint, bool demonstration);

// The step number a jump character names: "1"-"9", "A" 10, "B" 11 ...; another character 9.
// "0" and an empty text name no jump: 0.
int jumpStep(const QString& jump);
// Whether a jump to `step` stays in a block of `count` records (a count of 0: not known, no
// bound above). A jump past the block is a damaged record: it would render a later question's
// record, perhaps its terminal one, and one correct action would record the question as solved.
bool jumpInBlock(int step, int count);
// What a jump character does in a question of `count` records (0: not known), on both desktops:
// nothing (no jump, or a number that does not fit), a step of the block, or a jump past the block,
// a damaged record that neither desktop renders, judges or plays.
struct Jump {
    enum class Outcome { None, ToStep, PastBlock };
    Outcome outcome = Outcome::None;
    int step = 0; // the step named, for ToStep and PastBlock
};
Jump jumpIn(const QString& jump, int count);

// A menu step's MenuPath: hot-spot id, rows of the three levels (0 unused) and jump character.
struct MenuPath {
    QString menuId = QStringLiteral("0");
    int row1 = 0, row2 = 0, row3 = 0;
    QString jump = QStringLiteral("0");
};

// A MenuPick: the first-level row of one drop-down that a step presents as already chosen ("D",
// menu id 2, row 2 read by its number, one character not read, picture code 4).
struct MenuPick {
    QString menuId;
    int row = 0;
    QString picture;
    // Whether it names this row of this drop-down.
    bool names(const QString& id, int r) const { return menuId == id && row == r; }
};

// The hot-spot a menu id opens: the leading number of the id, or of its last character; "Z" and a
// digit are 100 and the digit ("A3" 3, "84" 84, "S2" 2, "Z0" 100, "Z3" 103).
int hotSpotOf(const QString& menuId);
// The menu id a click on hot-spot n opens on the candidate's desktop: "Z" and the last digit from
// 100 on; otherwise the application letter and n, the last two characters.
QString menuIdOf(int n, QChar appLetter);

// A tab number of one character: a digit, or "A"-"D" for 10-13; anything else 0.
int tabNumber(QChar c);

// A view of one step record: the fields by name. A field past the end of a short record is empty
// (a number 0); a number that does not fit 16 bits reads as nothing (`...Opt`) or 0. field(),
// number() and at() read any column for the step library's own rules; the scene and the desktops
// read the named fields.
class Step {
public:
    Step() = default;
    explicit Step(QString rec)
        : rec(std::move(rec))
    {}
    const QString& text() const { return rec; }

    QString field(int start, int length) const { return common::field(rec, start, length); }
    std::optional<qint16> numberOpt(int start, int length) const
    {
        return common::fieldNumber(rec, start, length);
    }
    int number(int start, int length) const { return numberOpt(start, length).value_or(0); }
    QChar at(int column) const { return column >= 1 && column <= rec.size() ? rec.at(column - 1) : QChar(); }
    bool is(int column, char c) const { return at(column) == QLatin1Char(c); }

    // Columns 4-7: the pane, its drive or dialog digit, the window's application letter and digit.
    QString paneCode() const { return field(col::PaneCode, 2); }
    QChar paneLetter() const { return at(4); }
    QChar driveLetter() const { return at(5); } // also the dialog layout digit and "W", "F"
    int dialogDigit() const { return number(5, 1); }
    QString dialogCode() const { return field(5, 1); } // the dialog digit as the picture names it
    QString winCode() const { return field(col::WinCode, 2); }
    QChar appLetter() const { return at(6); }
    int winDigit() const { return number(7, 1); }
    bool toolbarShown() const { return winDigit() % 2 == 1; }
    int taskPaneCode() const { return winDigit() / 2; }

    // Columns 8-11.
    QString action() const { return field(col::Action, 4); }
    std::optional<qint16> actionNumber() const { return numberOpt(col::Action, 4); }
    ActionKind kind() const { return actionKind(action()); }
    int shiftDigit() const { return number(11, 1); } // band and drag steps: the Shift state held
    int popupRow() const { return number(10, 1); }   // pop-up picks: the row and the item
    int popupItem() const { return number(11, 1); }

    QString background() const { return field(col::BgCode, 6); }

    // Overlay slot 1-6: Left 5, JumpChar 1, Top 4, picture code 6.
    static int slotColumn(int k) { return k >= 1 && k <= 6 ? col::Slots[size_t(k - 1)] : 0; }
    QString slotCode(int k) const { return field(slotColumn(k) + 10, 6); }
    QString slotJump(int k) const { return field(slotColumn(k) + 5, 1); }
    int slotLeft(int k) const { return number(slotColumn(k), 5); }
    int slotTop(int k) const { return number(slotColumn(k) + 6, 4); }

    // mainRect and auxRect: Left 5, JumpChar 1, Top 4, Width 5, Height 5.
    QString mainRect() const { return field(col::MainRect, 20); }
    QString mainJump() const { return field(col::MainRect + 5, 1); }
    QString auxRect() const { return field(col::AuxRect, 20); }
    QString auxJump() const { return field(col::AuxRect + 5, 1); }

    QString editRect() const { return field(col::EditRect, 20); }
    QString targetA() const { return field(col::TargetA, 10); }
    QString targetB() const { return field(col::TargetB, 10); }
    QString targetC() const { return field(col::TargetC, 10); }
    // Key alternative 1-3 ("P" and a key code of four at 86, 91, 96): the code, or nothing when the
    // alternative is not written (or k is not 1-3). A code that does not fit 16 bits reads 0.
    std::optional<int> keyAlt(int k) const
    {
        static constexpr int columns[] = {col::KeyAlt1, col::KeyAlt2, col::KeyAlt3};
        if (k < 1 || k > 3 || !is(columns[k - 1], 'P')) return std::nullopt;
        return number(columns[k - 1] + 1, 4);
    }
    // The step's MenuPick, the row both desktops show as chosen and the candidate's desktop accepts:
    // targetB when it begins with "D".
    std::optional<MenuPick> menuPick() const;
    // A pop-up override at targetA: "R" and the code the pop-up opens with (smenu reads it).
    bool hasPopupOverride() const { return is(col::TargetA, 'R'); }

    // cursorSpec: kind "S" (a standard shape) or "M" (a cursor file), jump, and the number at 104.
    QString cursorSpec() const { return field(col::CursorSpec, 5); }
    QChar cursorKind() const { return at(col::CursorSpec); }
    QString cursorJump() const { return field(col::CursorSpec + 1, 1); }
    QString cursorCode() const { return field(col::CursorSpec + 3, 2); }
    int cursorNumber() const { return number(col::CursorSpec + 3, 2); }

    QString textLine() const { return field(col::TextLine, 3); }
    QString answerLine() const { return field(col::AnswerLine, 3); }
    // List steps: the row.
    std::optional<qint16> answerNumber() const { return numberOpt(col::AnswerLine, 3); }
    QString hintPos() const { return field(col::HintPos, 10); }
    QString hintLine() const { return field(col::HintLine, 3); }
    QString editFormat() const { return field(col::EditFormat, 10); }

    // backSpec: "Q", three unread characters, the count of steps back ("0" counts as 1).
    bool hasBack() const { return is(col::BackSpec, 'Q'); }
    QString backKey() const { return field(col::BackSpec, 5); }
    // tabSpec: "X", template letter, tab shown, tab expected, overlay slot 1-5.
    bool hasTabs() const { return is(col::TabSpec, 'X'); }
    QChar tabLetter() const { return at(col::TabSpec + 1); }
    int tabShown() const { return tabNumber(at(col::TabSpec + 2)); }
    int tabExpected() const { return tabNumber(at(col::TabSpec + 3)); }
    int tabSlot() const { return number(col::TabSpec + 4, 1); }
    // A tab dialog (of a template that exists) that opens on another page than the expected one.
    bool tabChange() const;

    // pointSpec: a drop point or the back button's place (x 5, y 5); "W" and the menu bar's place
    // (Left 4 at 168, Top 4 at 173); or the object picture of an object pane (6 at 167).
    std::optional<qint16> pointX() const { return numberOpt(col::PointSpec, 5); }
    std::optional<qint16> pointY() const { return numberOpt(col::PointSpec + 5, 5); }
    bool menuBarPlaced() const { return is(col::PointSpec, 'W'); }
    int menuBarLeft() const { return number(col::PointSpec + 1, 4); }
    int menuBarTop() const { return number(col::PointSpec + 6, 4); }
    QString objectPicture() const { return field(col::PointSpec, 6); }

    // The MenuPath of a menu step as the demonstration plays it: targetC when it is one ("H"),
    // otherwise targetA whatever it holds.
    MenuPath menuPath() const;

    // ---- The numbers the renders place and format controls by, each none when it does not fit
    // 16 bits (the render then leaves that property as it was).
    // A RectSpec's numbers (Left 5, JumpChar 1, Top 4, Width 5, Height 5); an overlay slot's place
    // has a Left and a Top only.
    struct Numbers {
        std::optional<qint16> left, top, width, height;
    };
    Numbers mainNumbers() const { return rectNumbers(col::MainRect); }
    Numbers auxNumbers() const { return rectNumbers(col::AuxRect); }
    Numbers editNumbers() const { return rectNumbers(col::EditRect); }
    Numbers slotNumbers(int k) const
    {
        if (slotColumn(k) == 0) return {};
        return {numberOpt(slotColumn(k), 5), numberOpt(slotColumn(k) + 6, 4), {}, {}};
    }
    // The hint's place (hintPos: Left 5, Top 5).
    std::optional<qint16> hintLeft() const { return numberOpt(col::HintPos, 5); }
    std::optional<qint16> hintTop() const { return numberOpt(col::HintPos + 5, 5); }
    // editFormat of an edit step: the font size in tenths of a point (126-128), the alignment
    // character (129), and the digits of style (131), font (132), text colour (133) and back
    // colour (134).
    std::optional<qint16> fontTenths() const { return numberOpt(col::EditFormat + 1, 3); }
    QString alignCode() const { return field(col::EditFormat + 4, 1); }
    std::optional<qint16> styleDigit() const { return numberOpt(col::EditFormat + 6, 1); }
    std::optional<qint16> fontDigit() const { return numberOpt(col::EditFormat + 7, 1); }
    std::optional<qint16> colourDigit() const { return numberOpt(col::EditFormat + 8, 1); }
    std::optional<qint16> backDigit() const { return numberOpt(col::EditFormat + 9, 1); }
    // A list step: the answer-text line of its entries (the code's last three characters) and the
    // entry shown first (textLine, 0-based).
    std::optional<qint16> listLine() const { return numberOpt(col::Action + 1, 3); }
    std::optional<qint16> firstEntry() const { return numberOpt(col::TextLine, 3); }

private:
    Numbers rectNumbers(int column) const
    {
        return {numberOpt(column, 5), numberOpt(column + 6, 4), numberOpt(column + 10, 5),
                numberOpt(column + 15, 5)};
    }

    QString rec;
};

} // namespace steps
