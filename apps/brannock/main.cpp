// The trainer: it starts with its splash, which hands over to the home screen.
#include <QApplication>

#include "home/frm_start.h"
#include "platform/fonts.h"
#include "platform/form.h"

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    platform::installFontSubstitutions();
    platform::form<home::FrmStart>().Show();
    const int rc = qapp.exec();
    platform::Forms::destroyAll();
    return rc;
}
