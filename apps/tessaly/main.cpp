// The question-bank update checker: started by the trainer, with no arguments.
#include <QApplication>

#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/form.h"
#include "updater/frm_tessaly1.h"

int main(int argc, char** argv)
{
    platform::writesFailAtFileSizeLimit();
    QApplication qapp(argc, argv);
    platform::installFontSubstitutions();
    platform::form<updater::FrmTessaly1>().Show();
    const int rc = qapp.exec();
    platform::Forms::destroyAll();
    return rc;
}
