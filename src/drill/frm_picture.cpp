#include "drill/frm_picture.h"

#include "common/scale.h"
#include "platform/units.h"

using namespace platform;

namespace drill {

FrmPicture::FrmPicture()
    : Form(QStringLiteral("FrmPicture"))
{
    Timer1.name = QStringLiteral("Timer1");
    registerTimer(&Timer1);
    Timer1.onTimer = [this] { Timer1_Timer(); };
    onMouseDown = [this](int button, int, double, double) { Form_MouseDown(button); };
    Image1.onMouseDown = [this](int button, int, double, double) { Form_MouseDown(button); };
}

void FrmPicture::design()
{
    setBorderStyle(vbBSNone);
    setShowInTaskbar(false);
    setBackColor(0xFF);
    Image1.setStretch(false);
}

void FrmPicture::Form_Load()
{
    Image1.Move(60 * common::scaleX(), 60 * common::scaleY());
    Timer1.setEnabled(true);
}

void FrmPicture::Timer1_Timer()
{
    const double sx = common::scaleX(), sy = common::scaleY();
    setWidth(120 * sx + Image1.Width());
    setHeight(120 * sy + Image1.Height());
    setStayOnTop(true);
    // The margin's difference is scaled too: exactly centred at scale 1.0, nearer the top-left
    // corner at other scales.
    const QSize screen = screenPixels();
    setLeft((fromPixelsX(screen.width()) - Width()) * sx / 2);
    setTop((fromPixelsY(screen.height()) - Height()) * sy / 2);
    Timer1.setEnabled(false);
}

void FrmPicture::Form_MouseDown(int button)
{
    if (button == vbLeftButton) beginMoveByPointer();
}

} // namespace drill
