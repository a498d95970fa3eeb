// The sibling-module catalogue on the last information page: 19 slots, red when the module has
// recorded its folder and program name in the family's settings (as this module does at every
// start), light grey when not. A click starts an installed module or opens its download page.
#include <array>

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

// Slots 6-7, 8-9 and 10-11 are two editions of one module each, told apart by the recorded
// program name.
constexpr std::array<KmSlot, 19> KmSlots{{
    {"winxp", 7, "07", -1},      {"word2003", 8, "08", -1},    {"excel2003", 9, "09", -1},
    {"ppt2003", 10, "10", -1},   {"access2003", 12, "12", -1}, {"internet", 13, "13", -1},
    {"ppt97", 6, "06", 7},       {"ppt2000", 6, "26", 6},      {"wps2000", 16, "16", 9},
    {"wps2005", 16, "36", 8},    {"project", 19, "19", 11},    {"project2000", 19, "39", 10},
    {"win2000", 1, "01", -1},    {"word2000", 3, "03", -1},    {"excel2000", 5, "05", -1},
    {"frontpage", 14, "14", -1}, {"photoshop", 15, "15", -1},  {"autocad", 17, "17", -1},
    {"flash", 18, "18", -1},
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

const QString FrmFengmian::DownloadSite = QStringLiteral("https://www.ostrel.example");

void FrmFengmian::kmSetupYN()
{
    for (int i = 0; i < int(KmSlots.size()); ++i) {
        const KmSlot& slot = KmSlots[size_t(i)];
        const QString nn = moduleNN(slot.regNo);
        const QString path = installValue(QStringLiteral("ProPath") + nn).value_or(QString());
        bool installed = !trimBlanks(path).isEmpty();
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
        if (installed && (trimBlanks(program).isEmpty() || trimBlanks(folder).isEmpty())) installed = false;

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
    platform::shell().open(DownloadSite + QStringLiteral("/down.asp?id=") + kmLink[size_t(index)]);
}

} // namespace home
