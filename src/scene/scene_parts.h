#pragma once
// Render phases that the candidate's desktop and the demonstration desktop share: each lays out
// one piece of the scene of a step record onto the controls of the same names on either desktop.
// Statements that cannot be carried out (a field that does not fit 16 bits, an unreadable answer
// text) are skipped, as the renders skip them.
#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "platform/controls.h"
#include "steps/desk_pictures.h"
#include "steps/step.h"

namespace scene {

// The pictures of the steps likely to be shown after step `step` of question `question` of the
// drill's unit, decoded while this one is read or played: the next two steps of the question and
// the first two of the next question, each its background and overlay slots (the records from the
// step file as read for the render, steps/step_file.h).
void prefetchNextSteps(int question, int step);

// The tab-dialog labels 0-13 out of sight, captions emptied.
void parkTabLabels(platform::LabelArray& tabs);

// The edit field on editRect with its initial text (the textLine entry from its fourth character,
// before its first "|") and editFormat, focused; or, when columns 86-105 hold targets, no edit
// field (Text1 and Text2 hidden). The candidate's desktop selects the initial text; the
// demonstration puts the caret after it and knows a fourth text colour (digit 3), which leaves
// the colour alone on the candidate's desktop.
struct EditLook {
    bool caretAfterText = false;
    std::optional<long> fourthColour;
};
void showEditField(const QString& rec, const QString& txtPath, platform::TextBox& text1,
                   platform::TextBox& text2, const EditLook& look = {});

// The hint's place and text; an all-zero hintPos keeps both. The text read from the answer
// texts, when one was read (a hintLine of "000" empties the hint and reads nothing).
std::optional<QString> placeHint(const QString& rec, platform::Label& hint, const QString& txtPath);

// The main target on mainRect and its frame; width and height take mainRect's size in design
// twips when the record gives them, and keep their values otherwise.
void placeMainTarget(const QString& rec, platform::Label& label1, platform::Shape& shape1, int& width,
                     int& height);
// The second target on auxRect and its frame (parked 1 x 1 at Left -1 when there is none).
void placeSecondTarget(const QString& rec, platform::Label& label4, platform::Shape& shape4);

// The six overlay slots: hidden for "000000" (and slot 6 for a record that ends before it),
// otherwise placed, loaded unless "888888", and shown. load(k, code) loads slot k's picture;
// placed(k, left, top) is told the design place of each slot placed (nothing for a field that
// does not fit 16 bits).
struct Slots {
    std::array<platform::Control*, 6> images{};
    std::function<void(int k, const QString& code)> load;
    std::function<void(int k, std::optional<qint16> left, std::optional<qint16> top)> placed;
};
void showOverlaySlots(const QString& rec, const Slots& slots);

// The prompts of the typed-text codes, each test on the caption the previous ones left. The
// demonstration gives "0025" no "输入 " and words "0028" for its own box.
void typedTextPrompts(const QString& code, platform::Label& hint, platform::Shape& shape1,
                      platform::TextBox& text1, bool demonstration);

// The simulated list of "L" codes over the edit field, framed by its four bars, with its entries
// and first selection; for every other code the list and bars are hidden and the display emptied.
struct ListParts {
    platform::ListBox* list = nullptr;
    std::array<platform::PictureBox*, 4> bars{}; // left, right, top, bottom
    platform::Label* display = nullptr;          // LblXXK(0)
    platform::TextBox* text1 = nullptr;
};
void setUpList(const QString& rec, const QString& txtPath, const ListParts& parts);

// The tab dialog of a step (its "X" field) and its back button (its "Q" field), as both desktops lay
// them out: the state the tab clicks and the back button go on from.
struct TabState {
    QString tpl;      // the template last chosen; kept by steps without a dialog
    int slot = 0;     // overlay 1-5 holding the dialog
    int expected = 0; // the tab whose page holds the target
    int count = 0;    // tabs of tpl
    int row = 1;      // row of the shown tab (two-row dialogs)
    int pageLeft = 0; // the overlay's place, form twips
    int pageTop = 0;
    QString backKey = QStringLiteral("NONO"); // the "Q" field, or "NONO"
};
struct TabParts {
    platform::LabelArray* labels = nullptr; // LblXXK(0-13)
    std::array<platform::Image*, 5> overlays{};
    platform::Label* label1 = nullptr;
    platform::Shape* shape1 = nullptr;
    platform::Label* hint = nullptr;
    std::function<void(platform::Image& overlay, const QString& code)> loadPage;
};
// mainWidth, mainHeight: the main target's size in design twips; tabHint: the step's own hint.
void tabDialog(const steps::Step& step, const TabParts& parts, TabState& state, int mainWidth, int mainHeight,
               const QString& tabHint);
// Places the label of each tab of `state` at the Top of its row (two-row dialogs).
void tabRows(platform::LabelArray& labels, const TabState& state);

// The TabParts of a desktop: its tab labels, overlays 1-5, main target, frame and hint, each of the
// same name on both desktops.
template <class Desk> TabParts tabPartsOf(Desk& desk)
{
    TabParts parts;
    parts.labels = &desk.LblXXK;
    parts.overlays = {&desk.Image1, &desk.Image2, &desk.Image3, &desk.Image4, &desk.Image5};
    parts.label1 = &desk.Label1;
    parts.shape1 = &desk.Shape1;
    parts.hint = &desk.LHelp;
    return parts;
}

// The end of a completed action on either desktop: its JumpChar "0" leads to the next step, any
// other character is a jump (which the desktop refuses past the question's block).
template <class Desk> void endStepBy(Desk& desk, const QString& jump)
{
    if (jump == QLatin1String("0"))
        desk.doNext();
    else
        desk.GoStep(jump);
}

// A frame: a rectangle of the colour and width, solid, transparent inside.
void frameShape(platform::Shape& shape, long colour, int width);

// The hint's line breaks: each "|" of its text starts a new line.
void hintLineBreaks(platform::Label& hint);

// A picture drag (every code beginning "80") shrinks both targets to 1 x 1 twip, so they never
// cover the picture dragged.
void shrinkTargetsForPictureDrag(const steps::Step& step, platform::Label& label1, platform::Label& label4);

// Whether a step shows a window (winCode): an application letter A-G or "O" in column 6, and not
// "EE".
bool windowShown(const steps::Step& step);
// The window of a step: for an application letter A-G its menu-bar picture, shown, then menuRows;
// for "O" a window without a menu bar; then the toolbar when the window digit is odd and the task
// pane's picture, shown, then taskRows, when the digit names one. No window shows none of them;
// the render's reset has hidden all three beforehand. Box: the picture control of the desktop.
template <class Box> struct WindowParts {
    Box* menuBar = nullptr;
    Box* toolbar = nullptr;
    Box* taskPane = nullptr;
    std::function<bool(Box& box, const QString& name)> load; // a desktop picture
    std::function<void()> menuRows;
    std::function<void()> taskRows;
};
template <class Box> void windowChrome(const steps::Step& step, const WindowParts<Box>& parts)
{
    if (!windowShown(step)) return;
    if (step.appLetter() != u'O') {
        parts.load(*parts.menuBar, steps::desk::menuBar(step.appLetter()));
        parts.menuBar->setVisible(true);
        if (parts.menuRows) parts.menuRows();
    }
    if (step.toolbarShown()) parts.toolbar->setVisible(true);
    if (step.taskPaneCode() != 0) {
        parts.load(*parts.taskPane, steps::desk::taskPane(step.taskPaneCode()));
        parts.taskPane->setVisible(true);
        if (parts.taskRows) parts.taskRows();
    }
}

// The edit fields, the list and its four bars as the desktop loads: fields and list hidden and
// borderless, bars borderless in the list's frame colour and hidden.
void hideEditParts(std::initializer_list<platform::TextBox*> fields, platform::ListBox& list,
                   const std::array<platform::PictureBox*, 4>& bars);

// The program's cursor file "ico" & nn & ".CUR" for a record's cursor number nn; empty for a code
// that is not letters and digits.
QString cursorFile(const QString& nn);

// The pointer a step's cursorSpec gives a target: a standard shape ("S" and its number) or the
// custom pointer with a cursor file ("M" and the file's number, from the program's folder; a file
// that cannot be read leaves the custom picture loaded before); the default pointer otherwise. The
// drag pointer of the second target (`dragPointer`) is the custom one for every kind but "S".
void targetPointer(const steps::Step& step, platform::Label& target, bool dragPointer = false);

} // namespace scene
