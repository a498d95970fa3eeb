// Render phases shared by the candidate's desktop and the demonstration desktop.
#include "scene/scene_parts.h"

#include "common/drill_state.h"
#include "common/naming.h"
#include "common/numbers.h"
#include "common/record.h"
#include "common/scale.h"
#include "common/text_file.h"
#include "platform/app.h"
#include "platform/picture.h"
#include "steps/completion.h"
#include "steps/desk_pictures.h"
#include "steps/question_block.h"
#include "steps/step_file.h"
#include "steps/tabs.h"

using namespace platform;

namespace scene {

namespace {

// Edit-field fonts and colours by format digit; a digit without an entry leaves the value.
std::optional<QString> formatFont(int digit)
{
    static const char* const fonts[] = {"宋体", "Times New Roman", "黑体", "楷体_GB2312", "隶书"};
    if (digit >= 0 && digit <= 4) return QString::fromUtf8(fonts[digit]);
    if (digit == 9) return QStringLiteral("Fixedsys");
    return std::nullopt;
}

std::optional<long> formatBackColor(int digit)
{
    constexpr long colours[] = {0xFFFFFF, 0xFF0000, 0xFF,     0xC0C0C0, 0xAAA9FF,
                                0xD6D5FF, 0x18000,  0xB3B2CC, 0xE0E3BA, 0xE1FFFF};
    if (digit >= 0 && digit <= 9) return colours[digit];
    return std::nullopt;
}

// The answer-text entry named by a 3-character field, from its fourth character; an empty text
// when the file cannot give it.
QString entryNamed(const QString& lineField, const QString& txtPath)
{
    return common::readTextEntryNamed(txtPath, lineField).line.value_or(QString());
}

} // namespace

void prefetchNextSteps(int question, int step)
{
    const auto& d = common::drill();
    if (question < 1 || question > common::DrillVars::MaxQuestions) return;
    QStringList pictures;
    const auto add = [&](int q, int s) {
        const std::optional<QString> line = steps::questionRecord(q, s);
        if (!line) return;
        const steps::Step rec(*line);
        pictures << common::pictureFile(d.dataPath, rec.background(), d.dataExt);
        for (int k = 1; k <= 6; ++k)
            pictures << common::pictureFile(d.dataPath, rec.slotCode(k), d.dataExt);
    };
    add(question, step + 1);
    add(question, step + 2);
    if (question < d.tmCount) {
        add(question + 1, 1);
        add(question + 1, 2);
    }
    platform::prefetchPictures(pictures);
}

void parkTabLabels(LabelArray& tabs)
{
    const double sx = common::scaleX(), sy = common::scaleY();
    for (int i = 0; i <= 13; ++i) {
        Label& l = tabs(i);
        l.setHeight(1);
        l.setWidth(1);
        l.setLeft(-1 * sx);
        l.setTop(-1 * sy);
        l.setCaption(QString());
    }
}

namespace {

// A control placed by a RectSpec's numbers, design twips scaled, in the order Left, Top, Width,
// Height; a number that does not fit leaves its property as it was.
void placeBy(Control& c, const steps::Step::Numbers& at)
{
    const double sx = common::scaleX(), sy = common::scaleY();
    if (auto v = at.left) c.setLeft(*v * sx);
    if (auto v = at.top) c.setTop(*v * sy);
    if (auto v = at.width) c.setWidth(*v * sx);
    if (auto v = at.height) c.setHeight(*v * sy);
}

void placeEditField(const QString& rec, TextBox& text1)
{
    placeBy(text1, steps::Step(rec).editNumbers());
}

QString initialEditText(const QString& rec, const QString& txtPath)
{
    return entryNamed(steps::Step(rec).textLine(), txtPath).section(QLatin1Char('|'), 0, 0);
}

void applyEditFormat(const QString& rec, TextBox& text1, std::optional<long> fourthColour)
{
    const double sx = common::scaleX();
    const steps::Step format(rec);
    text1.setAlignment(vbLeftJustify);
    const QString align = format.alignCode();
    if (align == QLatin1String("R") || align == QLatin1String("r")) text1.setAlignment(vbRightJustify);
    if (align == QLatin1String("M") || align == QLatin1String("m")) text1.setAlignment(vbCenter);
    if (auto tenths = format.fontTenths()) {
        double size = *tenths / 10.0;
        if (size == 0) size = 9;
        text1.setFontSize(size * sx);
    }
    if (auto style = format.styleDigit(); style && *style >= 0 && *style <= 7) {
        text1.setFontBold(*style & 1);
        text1.setFontItalic(*style & 2);
        text1.setFontUnderline(*style & 4);
    }
    if (auto f = format.fontDigit())
        if (auto font = formatFont(*f)) text1.setFontName(*font);
    if (auto f = format.colourDigit()) {
        constexpr long colours[] = {0x0, 0xFF0000, 0xFF};
        if (*f >= 0 && *f <= 2) text1.setForeColor(colours[*f]);
        if (*f == 3 && fourthColour) text1.setForeColor(*fourthColour);
    }
    if (auto f = format.backDigit())
        if (auto c = formatBackColor(*f)) text1.setBackColor(*c);
}

} // namespace

void showEditField(const QString& rec, const QString& txtPath, TextBox& text1, TextBox& text2,
                   const EditLook& look)
{
    if (!common::leadingNumberNonZero(steps::Step(rec).editRect())) {
        text1.setVisible(false);
        text2.setVisible(false);
        return;
    }
    text1.setVisible(true);
    placeEditField(rec, text1);
    const QString text = initialEditText(rec, txtPath);
    text1.setText(text);
    text1.SetFocus();
    text1.setSelStart(look.caretAfterText ? int(text.size()) : 0);
    text1.setSelLength(look.caretAfterText ? 0 : int(text.size()));
    applyEditFormat(rec, text1, look.fourthColour);
}

std::optional<QString> placeHint(const QString& rec, Label& hint, const QString& txtPath)
{
    const double sx = common::scaleX(), sy = common::scaleY();
    if (steps::Step(rec).hintPos() == QLatin1String("0000000000")) return std::nullopt;
    if (auto v = steps::Step(rec).hintLeft()) hint.setLeft(*v * sx);
    if (auto v = steps::Step(rec).hintTop()) hint.setTop(*v * sy);
    const QString lineField = steps::Step(rec).hintLine();
    if (lineField == QLatin1String("000")) {
        hint.setCaption(QString());
        return std::nullopt;
    }
    const QString text = entryNamed(lineField, txtPath);
    hint.setCaption(text);
    return text;
}

void placeMainTarget(const QString& rec, Label& label1, Shape& shape1, int& width, int& height)
{
    const double sx = common::scaleX(), sy = common::scaleY();
    label1.setHeight(1);
    label1.setWidth(1);
    if (steps::Step(rec).mainRect() != QLatin1String("00000000000000000000")) {
        label1.setVisible(true);
        const steps::Step::Numbers at = steps::Step(rec).mainNumbers();
        if (auto v = at.left) label1.setLeft(*v * sx);
        if (auto v = at.top) label1.setTop(*v * sy);
        if (auto v = at.width) {
            width = *v;
            label1.setWidth(width * sx);
        }
        if (auto v = at.height) {
            height = *v;
            if (height == 0) {
                label1.setAutoSize(true);
            } else {
                label1.setAutoSize(false);
                label1.setHeight(height * sy);
            }
        }
    } else {
        label1.setVisible(false);
        shape1.setVisible(false);
    }
    if (height == 0) {
        label1.setHeight(1);
        label1.setWidth(1);
        shape1.setVisible(false);
    }
    shape1.Move(label1.Left(), label1.Top(), label1.Width(), label1.Height());
}

void placeSecondTarget(const QString& rec, Label& label4, Shape& shape4)
{
    if (steps::secondTargetShown(steps::Step(rec))) {
        label4.setVisible(true);
        placeBy(label4, steps::Step(rec).auxNumbers());
    } else {
        // Parked in real twips, out of reach; the render never hides it.
        label4.setWidth(1);
        label4.setHeight(1);
        label4.setLeft(-1);
    }
    shape4.Move(label4.Left(), label4.Top(), label4.Width(), label4.Height());
}

void showOverlaySlots(const QString& rec, const Slots& slots)
{
    const double sx = common::scaleX(), sy = common::scaleY();
    for (int k = 1; k <= 6; ++k) {
        Control& image = *slots.images[k - 1];
        const QString code = steps::Step(rec).slotCode(k);
        if (code == QLatin1String("000000") || (k == 6 && code.isEmpty())) {
            image.setVisible(false);
            continue;
        }
        const steps::Step::Numbers at = steps::Step(rec).slotNumbers(k);
        const std::optional<qint16> left = at.left, top = at.top;
        if (left) image.setLeft(*left * sx);
        if (top) image.setTop(*top * sy);
        if (slots.placed) slots.placed(k, left, top);
        if (code != QLatin1String("888888") && slots.load) slots.load(k, code);
        image.setVisible(true);
    }
}

void typedTextPrompts(const QString& code, Label& hint, Shape& shape1, TextBox& text1, bool demonstration)
{
    if (steps::actionKind(code) != steps::ActionKind::Typing) return;
    shape1.setVisible(false);
    const std::optional<steps::TypedTextPrompt> prompt = steps::typedTextPrompt(code, demonstration);
    if (!prompt) {
        hint.setCaption(steps::typedTextHint(code, hint.Caption(), demonstration));
        return;
    }
    text1.setSelLength(0);
    shape1.setVisible(prompt->framed && hint.Visible());
    hint.setCaption(steps::typedTextHint(code, hint.Caption(), demonstration));
}

void setUpList(const QString& rec, const QString& txtPath, const ListParts& parts)
{
    const double sx = common::scaleX(), sy = common::scaleY();
    ListBox& list = *parts.list;
    Label& display = *parts.display;
    if (steps::Step(rec).kind() != steps::ActionKind::List) {
        list.setVisible(false);
        for (PictureBox* b : parts.bars)
            b->setVisible(false);
        display.setCaption(QString());
        return;
    }
    list.setVisible(true);
    for (PictureBox* b : parts.bars)
        b->setVisible(true);
    TextBox& text1 = *parts.text1;
    list.Move(text1.Left(), text1.Top(), text1.Width(), text1.Height());
    text1.setVisible(false);
    const double L = list.Left(), T = list.Top(), W = list.Width(), H = list.Height();
    const double t = 15 * sx, u = 15 * sy;
    parts.bars[0]->Move(L, T, t, H);
    parts.bars[1]->Move(L + W - t, T, t, H);
    parts.bars[2]->Move(L, T, W, u);
    parts.bars[3]->Move(L, T + H - u, W, u);

    QString line;
    if (auto n = steps::Step(rec).listLine()) {
        const common::LineResult r = common::readLineOrLast(txtPath, *n);
        if (r.line) line = common::entryText(*r.line);
    }
    list.Clear();
    for (const QString& item : line.split(QLatin1Char('|')))
        list.AddItem(item);
    if (auto first = steps::Step(rec).firstEntry()) list.setListIndex(*first);
    display.setCaption(list.List(list.ListIndex()));
    display.setWidth(list.Width());
}

void tabDialog(const steps::Step& step, const TabParts& parts, TabState& state, int mainWidth, int mainHeight,
               const QString& tabHint)
{
    const double sx = common::scaleX(), sy = common::scaleY();
    LabelArray& labels = *parts.labels;
    Label& label1 = *parts.label1;
    auto frameOn = [&parts](const Label& l) { parts.shape1->Move(l.Left(), l.Top(), l.Width(), l.Height()); };
    auto move = [](Label& l, const steps::Rect& r) { l.Move(r.left, r.top, r.width, r.height); };

    // A letter that names no template lays out no tab dialog: another question's template would
    // put its tabs and its "choose a tab" hint over this step's picture.
    const QString tpl = steps::tabTemplateText(step.tabLetter());
    const bool tabs = step.hasTabs() && !tpl.isEmpty();
    if (tabs) {
        const int shown = step.tabShown();
        state.expected = step.tabExpected();
        state.slot = step.tabSlot();
        parts.hint->setCaption(steps::chooseTabHint(state.expected));
        state.tpl = tpl;

        if (state.slot >= 1 && state.slot <= 5) {
            Image& overlay = *parts.overlays[size_t(state.slot - 1)];
            state.pageLeft = int(common::roundHalfEven(overlay.Left()));
            state.pageTop = int(common::roundHalfEven(overlay.Top()));
            if (shown != state.expected && parts.loadPage)
                parts.loadPage(overlay, steps::tabPage(state.tpl, shown));
        }

        const steps::TabLayout layout =
            steps::layoutTabs(state.tpl, shown, sx, sy, state.pageLeft, state.pageTop);
        state.count = layout.count;
        state.row = layout.row;
        for (int i = 0; i <= std::min(layout.count, steps::TabLabels - 1); ++i) {
            move(labels(i), layout.labels[size_t(i)]);
            labels(i).setCaption(QString());
        }

        if (shown == state.expected) {
            label1.setWidth(mainWidth * sx);
            label1.setHeight(mainHeight * sy);
            parts.hint->setCaption(tabHint);
            frameOn(label1);
        } else {
            // Out of reach until the expected tab is chosen; the frame marks that tab.
            label1.setWidth(1);
            label1.setHeight(1);
            frameOn(labels(state.expected));
        }
    } else {
        frameOn(label1);
    }

    if (step.hasBack()) {
        state.backKey = step.backKey();
        move(labels(0), steps::backButton(step, sx, sy));
        labels(0).setCaption(QString());
    } else {
        state.backKey = QStringLiteral("NONO");
    }
    // As the back button it lies unseen over the button drawn in the dialog; elsewhere it is the
    // list's white display.
    labels(0).setBackStyle(tabs || step.hasBack() ? vbTransparent : vbOpaque);
}

void tabRows(LabelArray& labels, const TabState& state)
{
    steps::TabLayout layout;
    layout.count = state.count;
    for (int i = 1; i <= std::min(state.count, steps::TabLabels - 1); ++i)
        layout.labels[size_t(i)] = {labels(i).Left(), labels(i).Top(), labels(i).Width(), labels(i).Height()};
    steps::placeRows(layout, state.tpl, state.row, common::scaleY(), state.pageTop);
    for (int i = 1; i <= std::min(state.count, steps::TabLabels - 1); ++i)
        labels(i).setTop(layout.labels[size_t(i)].top);
}

QString cursorFile(const QString& nn)
{
    if (!common::isSafeCode(nn)) return {};
    return common::joinPath(app::path(), QStringLiteral("ico") + nn + QStringLiteral(".CUR"));
}

void targetPointer(const steps::Step& step, Label& target, bool dragPointer)
{
    const QChar kind = step.cursorKind();
    if (kind == u'S') {
        target.setMousePointer(step.cursorNumber());
    } else if (kind == u'M' || dragPointer) {
        target.setMousePointer(99);
        if (auto cursor = loadPicture(cursorFile(step.cursorCode()))) target.setMouseIcon(*cursor);
    } else {
        target.setMousePointer(0);
    }
}

void frameShape(Shape& shape, long colour, int width)
{
    shape.setShape(vbShapeRectangle);
    shape.setBorderColor(colour);
    shape.setBorderWidth(width);
    shape.setBorderStyle(vbBSSolid);
    shape.setFillStyle(vbFSTransparent);
}

void hintLineBreaks(Label& hint)
{
    QString caption = hint.Caption();
    caption.replace(QLatin1Char('|'), QStringLiteral("\r\n"));
    hint.setCaption(caption);
}

void shrinkTargetsForPictureDrag(const steps::Step& step, Label& label1, Label& label4)
{
    if (!step.action().startsWith(QLatin1String("80"))) return;
    for (Label* l : {&label1, &label4}) {
        l->setWidth(1);
        l->setHeight(1);
    }
}

bool windowShown(const steps::Step& step)
{
    static const QString windowLetters = QStringLiteral("ABCDEFGO");
    const QChar letter = step.appLetter();
    return !letter.isNull() && windowLetters.contains(letter) && step.winCode() != QLatin1String("EE");
}

void hideEditParts(std::initializer_list<TextBox*> fields, ListBox& list,
                   const std::array<PictureBox*, 4>& bars)
{
    for (TextBox* t : fields) {
        t->setVisible(false);
        t->setBorderStyle(0);
    }
    list.setVisible(false);
    for (PictureBox* p : bars) {
        p->setBorderStyle(0);
        p->setBackColor(0xB99D7F);
        p->setVisible(false);
    }
}

} // namespace scene
