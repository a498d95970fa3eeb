// The trainer: it starts with its splash, which hands over to the home screen.
#include <QApplication>

#include "home/frm_start.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/form.h"
#include "platform/units.h"

int main(int argc, char** argv)
{
    // Screen pixels are the program's pixels: a 120-dpi screen gives 12 twips per pixel and
    // layouts scaled by 0.8, instead of pixels enlarged by the toolkit.
    if (!qEnvironmentVariableIsSet("QT_ENABLE_HIGHDPI_SCALING")) qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    platform::writesFailAtFileSizeLimit();
    QApplication qapp(argc, argv);
    platform::useScreenTwipsPerPixel();
    platform::installFontSubstitutions();
    platform::form<home::FrmStart>().Show();
    const int rc = qapp.exec();
    platform::Forms::destroyAll();
    return rc;
}
