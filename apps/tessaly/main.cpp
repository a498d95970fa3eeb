// The question-bank update checker.
#include <QApplication>

#include "platform/app.h"
#include "platform/fonts.h"
#include "platform/form.h"

namespace {

class FrmEmpty final : public platform::Form {
public:
    FrmEmpty()
        : Form(QStringLiteral("FrmEmpty"))
    {}

protected:
    void design() override
    {
        setCaption(QStringLiteral("题库升级"));
        Move(0, 0, 9000, 6750);
        setCentred(true);
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    platform::installFontSubstitutions();
    platform::form<FrmEmpty>().Show();
    const int rc = qapp.exec();
    platform::Forms::destroyAll();
    return rc;
}
