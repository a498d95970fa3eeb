// The render phases of setData: the scene of the current step record, laid out from its columns.
// Every statement that cannot be carried out (a field that does not fit 16 bits, a picture that
// cannot be read) is skipped and the render goes on.
#include <array>

#include "common/drill_state.h"
#include "common/naming.h"
#include "common/numbers.h"
#include "common/question_panel.h"
#include "common/record.h"
#include "common/scale.h"
#include "common/text_file.h"
#include "desktop/frm_main.h"
#include "platform/app.h"
#include "scene/scene_parts.h"
#include "steps/desk_pictures.h"
#include "steps/step.h"

using namespace platform;
namespace col = common::col;

namespace {

const QString& rec()
{
    return common::drill().stepRec;
}

steps::Step step()
{
    return steps::Step(rec());
}

bool questionInRange(int q)
{
    return q >= 1 && q <= common::DrillVars::MaxQuestions;
}

// The list of unfinished questions on the panel: "未完成的题目" and " n" for every question that
// `open` says is not finished.
template <class Open> QString unfinishedList(Open open)
{
    QString s = QStringLiteral("未完成的题目");
    const int count = common::drill().tmCount;
    for (int i = 1; i <= count && i <= common::DrillVars::MaxQuestions; ++i)
        if (open(i)) s += QLatin1Char(' ') + QString::number(i);
    return s;
}

} // namespace

bool FrmMain::loadStepPicture(Image& img, const QString& code)
{
    const auto& d = common::drill();
    const QString file = common::pictureFile(d.dataPath, code, d.dataExt);
    return !file.isEmpty() && img.LoadPicture(file);
}

bool FrmMain::loadStepPicture(PictureBox& box, const QString& code)
{
    const auto& d = common::drill();
    const QString file = common::pictureFile(d.dataPath, code, d.dataExt);
    return !file.isEmpty() && box.LoadPicture(file);
}

// Phases 1 to 3: the success label, the z-order pair, the drop-down, the drill's paths, the
// window boxes, the edit fields' size and Label4's pointer.
void FrmMain::resetScene()
{
    auto& d = common::drill();
    const double sx = common::scaleX(), sy = common::scaleY();
    LblSuccess.setVisible(false);
    raisePair();
    Pic1J.Move(30000 * sx, 30000 * sy);

    common::setDrillPaths(d);

    for (Control* c :
         std::initializer_list<Control*>{&PicMenu, &PicTool, &PicHui, &PicTable, &Shape6, &PicCtrl})
        c->setVisible(false);
    Text1.setFontSize(9 * sx);
    Text2.setFontSize(9 * sx);
    Label4.setMousePointer(0);
}

// Phase 5: the tab-dialog labels out of sight.
void FrmMain::parkTabLabels()
{
    scene::parkTabLabels(LblXXK);
}

// Phases 6 and 7: step 1 clears the overlays; the background, the six overlay slots and the
// values that drag steps use.
void FrmMain::pictures()
{
    auto& d = common::drill();
    const int q = d.dqTm;
    if (d.dqStep == 1) {
        for (Image* img : {&Image1, &Image2, &Image3, &Image4, &Image5})
            img->clearPicture();
        Image6.clearPicture();
    }
    if (questionInRange(q)) d.tmStep[q] = d.dqStep;

    const QString bg = step().background();
    if (bg != QLatin1String("888888")) {
        if (questionInRange(q)) d.tmPic[q][0] = bg;
        const QString file = common::pictureFile(d.dataPath, bg, d.dataExt);
        if (!file.isEmpty()) LoadPicture(file);
    }

    scene::Slots slots;
    slots.images = {&Image1, &Image2, &Image3, &Image4, &Image5, &Image6};
    slots.placed = [this](int k, std::optional<qint16> left, std::optional<qint16> top) {
        if (k < 5) return;
        if (left) dragLeft = *left;
        if (top) dragTop = *top;
    };
    slots.load = [this, &d, q](int k, const QString& code) {
        if (questionInRange(q)) d.tmPic[q][k] = code;
        Image* images[] = {&Image1, &Image2, &Image3, &Image4, &Image5};
        if (k == 6)
            loadStepPicture(Image6, code);
        else
            loadStepPicture(*images[k - 1], code);
    };
    scene::showOverlaySlots(rec(), slots);

    if (auto x = step().pointX()) dragToX = *x;
    if (auto y = step().pointY()) dragToY = *y;
}

// Phase 8: the edit field on editRect with its initial text and format, or no edit field.
void FrmMain::editField()
{
    scene::showEditField(rec(), common::drill().txtPath, Text1, Text2, {});
}

// Phase 9: the hint's place and text; an all-zero hintPos keeps both.
void FrmMain::hint()
{
    if (auto text = scene::placeHint(rec(), LHelp, common::drill().txtPath)) tabHint = *text;
}

// Phase 10: hint and frames shown exactly in teaching mode.
void FrmMain::teachingAids()
{
    const bool teaching = common::drill().ksMode == common::ModeTeaching;
    for (Control* c : std::initializer_list<Control*>{&LHelp, &Shape1, &Shape2, &Shape4})
        c->setVisible(teaching);
}

// Phase 11: the main target on mainRect and its red frame.
void FrmMain::mainTarget()
{
    scene::placeMainTarget(rec(), Label1, Shape1, mainWidth, mainHeight);
}

// Phase 13: the second target and its frame, the action code and the automatic-step timer, and
// the target labels shrunk out of the way of a dragged picture.
void FrmMain::secondTarget()
{
    auto& d = common::drill();
    scene::placeSecondTarget(rec(), Label4, Shape4);

    if (auto code = step().actionNumber()) actCode = *code;
    if (actCode == 8888) {
        // The second counts from this render, also when the same step is rendered again.
        autoTm = d.dqTm;
        autoStep = d.dqStep;
        Timer3.setEnabled(false);
        Timer3.setEnabled(true);
    } else {
        Timer3.setEnabled(false);
    }

    scene::shrinkTargetsForPictureDrag(step(), Label1, Label4);
}

// Phase 14: the terminal record's bookkeeping, or the red frame following the hint.
void FrmMain::terminalOrFrame()
{
    auto& d = common::drill();
    if (step().kind() != steps::ActionKind::Terminal) {
        Shape1.setVisible(LHelp.Visible());
        return;
    }
    const int q = d.dqTm;
    if (questionInRange(q) && d.tmState[q] < 4) d.tmState[q] += 4;
    Shape1.setVisible(false);
    if (d.ksMode != common::ModeExam) {
        LblSuccess.setVisible(true);
        LHelp.setVisible(false);
    }
    if (d.fileBase == 20 && questionInRange(q)) d.tmDone[q] = QStringLiteral("T");
    common::QuestionPanel* tm = common::questionPanel();
    if (!tm) return;
    if (d.fileBase == 20) {
        tm->showUnfinished(unfinishedList([&d](int i) { return d.tmDone[i] == QLatin1String("F"); }));
        tm->showTitle(QStringLiteral("第") + QString::number(d.setNo + 1) + QStringLiteral("单元  第") +
                      QString::number(q) + QStringLiteral("/") + QString::number(d.tmCount) +
                      QStringLiteral("题") + QStringLiteral("（已完成）"));
    }
    if (d.setNo == -1) {
        tm->showTitle(QStringLiteral("错题复习  第") + QString::number(q) + QStringLiteral("/") +
                      QString::number(d.tmCount) + QStringLiteral("题"));
    }
    if (d.setNo == -1 || d.fileBase == 0)
        tm->showUnfinished(unfinishedList([&d](int i) { return d.tmState[i] < 4; }));
}

// Phase 16: no red frame around a target too flat to click or hidden; Shape2 follows the hint.
void FrmMain::lastFrameRule()
{
    if (Label1.Height() <= 10 || !Label1.Visible()) Shape1.setVisible(false);
    Shape2.setVisible(LHelp.Visible());
}

// Phase 17: pointer of the main target, Start button, toolbar picture, window panes and chrome,
// line breaks in the hint.
void FrmMain::panes()
{
    const double sx = common::scaleX();

    const steps::Step s = step();
    scene::targetPointer(s, Label1);

    StartMenu.setVisible(true);
    if (s.driveLetter() == u'F') StartMenu.setVisible(false);
    loadDeskPicture(PicTool, steps::desk::toolbar(s.driveLetter()));
    if (s.kind() == steps::ActionKind::Terminal) StartMenu.setVisible(false);

    const QString c4 = s.field(col::PaneCode, 1);
    PicMyPc.setVisible(false);
    if (c4 == QLatin1String("P")) PicMyPc.setVisible(true);
    PicCtrl.setVisible(false);
    if (c4 == QLatin1String("N")) {
        PicCtrl.setVisible(true);
        CtrlCSH();
    }
    if (c4 == QLatin1String("S")) {
        ImgElse.setLeft(Label1.Left());
        ImgElse.setTop(Label1.Top());
        ImgElse.setWidth(Label1.Width());
        ImgElse.setHeight(Label1.Height());
        ImgElse.setVisible(true);
        if (s.paneCode() == QLatin1String("S6")) ImgElse.setLeft(780 * sx);
    } else {
        ImgElse.setVisible(false);
    }

    PicTable.setVisible(false);
    if (s.appLetter() == u'M') PicTable.setVisible(true);
    scene::WindowParts<PictureBox> window;
    window.menuBar = &PicMenu;
    window.toolbar = &PicTool;
    window.taskPane = &PicHui;
    window.load = [this](PictureBox& box, const QString& name) { return loadDeskPicture(box, name); };
    window.menuRows = [this] { MenuCSH(); };
    window.taskRows = [this] { HuiRenwuCSH(); };
    scene::windowChrome(s, window);

    scene::hintLineBreaks(LHelp);
}

// Phase 18: the z-order pair again, the per-step reset and the teaching frames' tick.
void FrmMain::finishRender()
{
    raisePair();
    frmCsh();
    TimerDisFK.setEnabled(true);
}
