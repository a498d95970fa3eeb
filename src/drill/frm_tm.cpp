#include "drill/frm_tm.h"

#include "common/scale.h"

using namespace platform;

FrmTm::FrmTm()
    : Form(QStringLiteral("FrmTm"))
{
    LblUnit.setContainer(&PicUnit);
}

FrmTm::~FrmTm() = default;

void FrmTm::design()
{
    setBorderStyle(vbBSNone);
    setShowInTaskbar(false);
    Move(0, 0, 4980, 3630);

    LblBiao.Move(510, 90, 0, 0);
    LblBiao.setBackStyle(vbTransparent);
    LblBiao.setAutoSize(true);
    LblBiao.setForeColor(0xFFFFFF);
    LblBiao.setFontBold(true);

    PicUnit.Move(90, 2760, 4080, 285);
    PicUnit.setBorderStyle(0);
    LblUnit.Move(0, 0, 4080, 285);
    LblUnit.setBackStyle(vbTransparent);
    LblUnit.setAutoSize(true);
    LblUnit.setCaption(QStringLiteral("未完成的题目:"));
}

void FrmTm::Form_Load()
{
    const double sx = common::scaleX(), sy = common::scaleY();
    setWidth(4980 * sx);
    setHeight(3630 * sy);
    setStayOnTop(true);
    Move(15360 * sx - Width(), 9000 * sy - Height());
    LblBiao.setFontSize(10 * sx);
}
