// The simulated tab dialog: the render's phase that lays the tab labels LblXXK(1-13) over the
// tabs drawn in an overlay picture and places the back button LblXXK(0); the clicks on them. A tab
// click shows that tab's page and never advances: only on the expected tab is the main target
// large enough to be hit.
#include "common/drill_state.h"
#include "common/scale.h"
#include "desktop/frm_main.h"
#include "steps/step.h"
#include "steps/tabs.h"

using namespace platform;

void FrmMain::tabDialog()
{
    scene::TabParts parts = scene::tabPartsOf(*this);
    parts.loadPage = [this](Image& overlay, const QString& code) { loadStepPicture(overlay, code); };
    scene::tabDialog(step(), parts, tab, mainWidth, mainHeight, tabHint);
}

void FrmMain::LblXXK_Click(int index)
{
    auto& d = common::drill();
    if (index == 0) {
        // Back by the "Q" field's count (0 counts as 1), or one step; never before step 1.
        if (tab.backKey.startsWith(QLatin1Char('Q')))
            d.dqStep -= steps::backCount(tab.backKey);
        else if (d.dqStep > 1)
            d.dqStep -= 1;
        setData();
        return;
    }

    const double sx = common::scaleX(), sy = common::scaleY();
    const steps::Step rec = step();
    Image* overlays[] = {&Image1, &Image2, &Image3, &Image4, &Image5};
    Image* overlay = tab.slot >= 1 && tab.slot <= 5 ? overlays[tab.slot - 1] : nullptr;
    if (overlay) loadStepPicture(*overlay, steps::tabPage(tab.tpl, index));
    if (tab.count >= 10) {
        tab.row = index > 6 ? 2 : 1;
        DoubleXXK();
    }
    if (index == tab.expected) {
        if (overlay) loadStepPicture(*overlay, rec.slotCode(tab.slot));
        Label1.setVisible(true);
        LHelp.setCaption(tabHint);
        Label1.setHeight(mainHeight * sy);
        Label1.setWidth(mainWidth * sx);
        Shape1.Move(Label1.Left(), Label1.Top(), Label1.Width(), Label1.Height());
    } else {
        LHelp.setCaption(steps::chooseTabHint(tab.expected));
        Label1.setWidth(1);
        Label1.setHeight(1);
        const Label& t = LblXXK(tab.expected);
        Shape1.Move(t.Left(), t.Top(), t.Width(), t.Height());
    }
    scene::hintLineBreaks(LHelp);
}

void FrmMain::DoubleXXK()
{
    scene::tabRows(LblXXK, tab);
}
