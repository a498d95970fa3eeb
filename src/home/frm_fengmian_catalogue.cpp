// The sibling-module catalogue on the last information page: 19 slots, red when the module has
// recorded its folder and program name in the family's settings (as this module does at every
// start), light grey when not. A click starts an installed module or opens its download page.
#include <array>

#include "common/maker_site.h"
#include "common/trim.h"
#include "home/frm_fengmian.h"
#include "home/km_info.h"
#include "home/mod_zcb.h"
#include "platform/services.h"

namespace home {

namespace {

constexpr long Installed = 255;
constexpr long NotInstalled = 0xC0C0C0;

struct KmSlot {
    const char* keyword; // the module's keyword: the partner keyword of a paired slot
    int regNo;           // NN of the module's install values
    const char* downloadId;
    int partner; // the other slot of a pair sharing one number, or -1
};

// In the order of the names on the catalogue's page. Slots 1-2, 3-4 and 5-6 are the two
// editions of one module each, told apart by the recorded program name.
constexpr std::array<KmSlot, 19> KmSlots{{
    {"winxp", 7, "07", -1},      {"word2003", 8, "08", 2},    {"word2007", 8, "28", 1},
    {"excel2003", 9, "09", 4},   {"excel2007", 9, "29", 3},   {"ppt2003", 10, "10", 6},
    {"ppt2007", 10, "30", 5},    {"internet", 13, "13", -1},  {"access2003", 12, "12", -1},
    {"frontpage", 14, "14", -1}, {"wpswz", 16, "16", -1},     {"wpsbg", 11, "11", -1},
    {"autocad", 17, "17", -1},   {"photoshop", 15, "15", -1}, {"flash", 18, "18", -1},
    {"project", 19, "19", -1},   {"vfp", 20, "20", -1},       {"win7", 21, "21", -1},
    {"yonyou", 22, "22", -1},
}};

const QString InstallKey = QStringLiteral("Software\\Microsoft");

// A text value of the install values; nothing when it cannot be read.
std::optional<QString> installValue(const QString& name)
{
    QVariant v;
    if (ModZCB::getRegValue(ModZCB::HkeyCurrentUser, InstallKey, name, v) != ModZCB::ErrorSuccess) return {};
    if (v.typeId() != QMetaType::QString) return {};
    return v.toString();
}

// The text before the first "*" (all of it when there is none).
QString beforeStars(const QString& v)
{
    return v.section(u'*', 0, 0);
}

} // namespace

void FrmFengmian::kmSetupYN()
{
    for (int i = 0; i < int(KmSlots.size()); ++i) {
        const KmSlot& slot = KmSlots[size_t(i)];
        const QString nn = moduleNN(slot.regNo);
        const QString path = installValue(QStringLiteral("ProPath") + nn).value_or(QString());
        bool installed = !common::trimSpaces(path).isEmpty();
        std::optional<QString> name;
        if (installed) name = installValue(QStringLiteral("ProName") + nn);
        if (installed && slot.partner >= 0 && name) {
            // The other edition's program recorded this number.
            const QString partner = QString::fromLatin1(KmSlots[size_t(slot.partner)].keyword);
            if (name->left(partner.size()).toLower() == partner) installed = false;
        }
        // A folder without a readable program name names nothing to start.
        const QString folder = beforeStars(path);
        const QString program = name ? beforeStars(*name) : QString();
        if (installed && (common::trimSpaces(program).isEmpty() || common::trimSpaces(folder).isEmpty()))
            installed = false;

        if (!installed) {
            kmLink[size_t(i)] = QString::fromLatin1(slot.downloadId);
            ShapeKm(i).setBorderColor(NotInstalled);
            continue;
        }
        // The folder keeps the separator it was recorded with.
        const QChar separator = folder.contains(u'/') && !folder.contains(u'\\') ? u'/' : u'\\';
        kmLink[size_t(i)] = folder + separator + program;
        ShapeKm(i).setBorderColor(Installed);
    }
}

void FrmFengmian::LblKmLj_Click(int index)
{
    if (index < 0 || index >= int(kmLink.size())) return;
    if (ShapeKm(index).BorderColor() == Installed) {
        QString p = kmLink[size_t(index)];
        if (!p.endsWith(QLatin1String(".exe"))) p += QStringLiteral(".exe");
        // Started by its path, no shell between; a module moved or removed since it recorded
        // itself simply does not start.
        platform::shell().startProgram(p);
        return;
    }
    // The maker's site of the update checker's settings.
    platform::shell().open(common::siteBase(common::siteHost()) + QStringLiteral("/down.asp?id=") +
                           kmLink[size_t(index)]);
}

} // namespace home
