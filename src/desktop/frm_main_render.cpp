// The render phases of setData: the scene of the current step record, laid out from its columns.
// Every statement that cannot be carried out (a field that does not fit 16 bits, a picture that
// cannot be read) is skipped and the render goes on.
#include <array>

#include "common/drill_state.h"
#include "common/naming.h"
#include "common/numbers.h"
#include "common/question_panel.h"
#include "common/question_state.h"
#include "common/record.h"
#include "common/scale.h"
#include "common/text_file.h"
#include "desktop/frm_main.h"
#include "platform/app.h"
#include "scene/render_phases.h"
#include "scene/scene_parts.h"
#include "steps/desk_pictures.h"
#include "steps/step.h"

using namespace platform;

namespace {

const QString& rec()
{
    return common::drill().stepRec;
}

bool questionInRange(int q)
{
    return q >= 1 && q <= common::DrillVars::MaxQuestions;
}

} // namespace

bool FrmMain::loadStepPicture(Image& img, const QString& code)
{
    return scene::loadStepPicture(img, code);
}

bool FrmMain::loadStepPicture(PictureBox& box, const QString& code)
{
    return scene::loadStepPicture(box, code);
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

    // The question remembers every picture code it is given; drag steps start from slot 5 or 6.
    scene::PictureHooks hooks;
    hooks.pictureCode = [&d, q](int k, const QString& code) {
        if (questionInRange(q)) d.tmPic[q][k] = code;
    };
    hooks.placed = [this](int k, std::optional<qint16> left, std::optional<qint16> top) {
        if (k < 5) return;
        if (left) dragLeft = *left;
        if (top) dragTop = *top;
    };
    scene::stepPictures(*this, step(), hooks);

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

// Phase 11: the main target on mainRect and its red frame.
void FrmMain::mainTarget()
{
    scene::placeMainTarget(rec(), Label1, Shape1, mainWidth, mainHeight);
}

// Phase 13: the action code and the automatic-step timer.
void FrmMain::actionCode()
{
    auto& d = common::drill();
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
    if (questionInRange(q)) d.tmState[q] = common::solvedState(d.tmState[q]);
    Shape1.setVisible(false);
    if (d.ksMode != common::ModeExam) {
        LblSuccess.setVisible(true);
        LHelp.setVisible(false);
    }
    if (d.fileBase == 20 && questionInRange(q)) d.tmDone[q] = QStringLiteral("T");
    common::QuestionPanel* tm = common::questionPanel();
    if (!tm) return;
    if (common::solvingRetitles(d)) tm->showTitle(common::panelTitle(d));
    tm->showUnfinished(common::unfinishedQuestions(d));
}

// Phase 17, the panes only this desktop has: the Start button (not on "F" steps nor the terminal
// record), the dialog panel, the object picture over the main target and the desktop icons.
void FrmMain::ownPanes()
{
    const double sx = common::scaleX();
    const steps::Step s = step();

    StartMenu.setVisible(true);
    if (s.driveLetter() == u'F') StartMenu.setVisible(false);
    if (s.kind() == steps::ActionKind::Terminal) StartMenu.setVisible(false);

    const QChar c4 = s.paneLetter();
    PicCtrl.setVisible(false);
    if (c4 == u'N') {
        PicCtrl.setVisible(true);
        CtrlCSH();
    }
    if (c4 == u'S') {
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
}

// Phase 18: the z-order pair again, the per-step reset and the teaching frames' tick.
void FrmMain::finishRender()
{
    raisePair();
    frmCsh();
    TimerDisFK.setEnabled(true);
}
