#include "platform/fonts.h"

#include "platform/units.h"

#include <QFontDatabase>
#include <QHash>
#include <algorithm>
#include <cmath>
#include <span>

namespace platform {

namespace {

// The look a screen family asks for; each kind has its own order of installed stand-ins.
enum class Kind { Song, Hei, Kai, Fang, Sans, Serif, Mono, Fixedsys, System };

struct ScreenFamily {
    const char* name; // UTF-8
    Kind kind;
};

// The families of a Chinese Windows XP that the screens and the question banks name.
constexpr ScreenFamily screenFamilies[] = {
    {"宋体", Kind::Song},
    {"SimSun", Kind::Song},
    {"新宋体", Kind::Song},
    {"NSimSun", Kind::Song},
    {"华文宋体", Kind::Song},
    {"STSong", Kind::Song},
    {"华文中宋", Kind::Song},
    {"STZhongsong", Kind::Song},
    {"黑体", Kind::Hei},
    {"SimHei", Kind::Hei},
    {"微软雅黑", Kind::Hei},
    {"Microsoft YaHei", Kind::Hei},
    {"华文细黑", Kind::Hei},
    {"STXihei", Kind::Hei},
    {"华文黑体", Kind::Hei},
    {"STHeiti", Kind::Hei},
    {"幼圆", Kind::Hei},
    {"YouYuan", Kind::Hei},
    {"楷体_GB2312", Kind::Kai},
    {"楷体", Kind::Kai},
    {"KaiTi_GB2312", Kind::Kai},
    {"KaiTi", Kind::Kai},
    {"华文楷体", Kind::Kai},
    {"STKaiti", Kind::Kai},
    {"华文行楷", Kind::Kai},
    {"STXingkai", Kind::Kai},
    {"隶书", Kind::Kai},
    {"LiSu", Kind::Kai},
    {"华文隶书", Kind::Kai},
    {"STLiti", Kind::Kai},
    {"华文新魏", Kind::Kai},
    {"STXinwei", Kind::Kai},
    {"方正舒体", Kind::Kai},
    {"FZShuTi", Kind::Kai},
    {"方正姚体", Kind::Kai},
    {"FZYaoti", Kind::Kai},
    {"仿宋_GB2312", Kind::Fang},
    {"仿宋", Kind::Fang},
    {"FangSong_GB2312", Kind::Fang},
    {"FangSong", Kind::Fang},
    {"华文仿宋", Kind::Fang},
    {"STFangsong", Kind::Fang},
    {"MS Sans Serif", Kind::Sans},
    {"Microsoft Sans Serif", Kind::Sans},
    {"MS Shell Dlg", Kind::Sans},
    {"MS Shell Dlg 2", Kind::Sans},
    {"Arial", Kind::Sans},
    {"Tahoma", Kind::Sans},
    {"Verdana", Kind::Sans},
    {"Small Fonts", Kind::Sans},
    {"Times New Roman", Kind::Serif},
    {"MS Serif", Kind::Serif},
    {"Courier New", Kind::Mono},
    {"Courier", Kind::Mono},
    {"Lucida Console", Kind::Mono},
    {"Terminal", Kind::Mono},
    {"Fixedsys", Kind::Fixedsys},
    {"System", Kind::System},
};

using Names = std::span<const char* const>;

// Installed stand-ins, best first. The Windows fonts themselves lead (if a machine has them
// under their English names); metric-compatible Latin fonts come before look-alikes.
constexpr const char* songFonts[] = {"SimSun",
                                     "NSimSun",
                                     "Noto Serif CJK SC",
                                     "Source Han Serif SC",
                                     "Source Han Serif CN",
                                     "AR PL UMing CN",
                                     "AR PL SungtiL GB",
                                     "Noto Sans CJK SC",
                                     "Source Han Sans SC",
                                     "WenQuanYi Zen Hei",
                                     "WenQuanYi Micro Hei",
                                     "Droid Sans Fallback"};
constexpr const char* heiFonts[] = {"SimHei",
                                    "Microsoft YaHei",
                                    "Noto Sans CJK SC",
                                    "Source Han Sans SC",
                                    "Source Han Sans CN",
                                    "WenQuanYi Zen Hei",
                                    "WenQuanYi Micro Hei",
                                    "Droid Sans Fallback"};
constexpr const char* kaiFonts[] = {"KaiTi", "KaiTi_GB2312", "AR PL UKai CN", "AR PL KaitiM GB"};
constexpr const char* fangFonts[] = {"FangSong", "FangSong_GB2312"};
constexpr const char* sansFonts[] = {"Liberation Sans", "Arimo",     "Nimbus Sans",
                                     "DejaVu Sans",     "Noto Sans", "FreeSans"};
constexpr const char* serifFonts[] = {"Liberation Serif", "Tinos",      "Nimbus Roman",
                                      "DejaVu Serif",     "Noto Serif", "FreeSerif"};
constexpr const char* monoFonts[] = {"Liberation Mono", "Cousine",   "Nimbus Mono PS", "DejaVu Sans Mono",
                                     "Noto Sans Mono",  "Noto Mono", "FreeMono"};
// Fixedsys and System on a Chinese Windows are bitmap fonts with Chinese glyphs.
constexpr const char* cjkMonoFonts[] = {"WenQuanYi Zen Hei Mono", "Noto Sans Mono CJK SC"};

QHash<QString, QStringList>& chosen()
{
    static QHash<QString, QStringList> map;
    return map;
}

QString& chosenCjk()
{
    static QString family;
    return family;
}

// The installed families by lower-case name. Qt lists a family that several foundries make
// as "Name [Foundry]"; the plain name finds it as well.
QHash<QString, QString> installedFamilies()
{
    QHash<QString, QString> installed;
    const QStringList families = QFontDatabase::families();
    for (const QString& family : families) {
        QString name = family;
        const qsizetype bracket = name.indexOf(QLatin1String(" ["));
        if (bracket > 0 && name.endsWith(QLatin1Char(']'))) name.truncate(bracket);
        installed.insert(name.toLower(), name);
    }
    return installed;
}

bool hasChinese(const QString& family)
{
    return QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese);
}

void appendInstalled(QStringList& out, Names names, const QHash<QString, QString>& installed)
{
    for (const char* name : names) {
        const auto it = installed.constFind(QString::fromUtf8(name).toLower());
        if (it != installed.constEnd() && !out.contains(*it)) out.append(*it);
    }
}

// Any family with Chinese glyphs, should none of the known ones be installed; outline fonts
// before bitmap ones.
QString anyChineseFamily(const QHash<QString, QString>& installed)
{
    QStringList families = installed.values();
    families.sort();
    QString bitmap;
    for (const QString& family : std::as_const(families)) {
        if (!hasChinese(family)) continue;
        if (QFontDatabase::isSmoothlyScalable(family)) return family;
        if (bitmap.isEmpty()) bitmap = family;
    }
    return bitmap;
}

QStringList standIns(Kind kind, const QHash<QString, QString>& installed, const QString& cjk)
{
    QStringList out;
    switch (kind) {
    case Kind::Song:
        appendInstalled(out, songFonts, installed);
        break;
    case Kind::Hei:
        appendInstalled(out, heiFonts, installed);
        appendInstalled(out, songFonts, installed);
        break;
    case Kind::Kai:
        appendInstalled(out, kaiFonts, installed);
        appendInstalled(out, songFonts, installed);
        break;
    case Kind::Fang:
        appendInstalled(out, fangFonts, installed);
        appendInstalled(out, songFonts, installed);
        break;
    case Kind::Sans:
        appendInstalled(out, sansFonts, installed);
        break;
    case Kind::Serif:
        appendInstalled(out, serifFonts, installed);
        break;
    case Kind::Mono:
        appendInstalled(out, monoFonts, installed);
        break;
    case Kind::Fixedsys:
        appendInstalled(out, cjkMonoFonts, installed);
        appendInstalled(out, monoFonts, installed);
        break;
    case Kind::System:
        appendInstalled(out, heiFonts, installed);
        appendInstalled(out, sansFonts, installed);
        break;
    }
    // Every screen family may carry Chinese text, as font linking gives it on Windows.
    if (!cjk.isEmpty() && !out.contains(cjk)) out.append(cjk);
    return out;
}

} // namespace

void installFontSubstitutions()
{
    const QHash<QString, QString> installed = installedFamilies();

    QStringList cjkCandidates;
    appendInstalled(cjkCandidates, songFonts, installed);
    QString cjk;
    for (const QString& family : cjkCandidates) {
        if (hasChinese(family)) {
            cjk = family;
            break;
        }
    }
    if (cjk.isEmpty()) cjk = anyChineseFamily(installed);
    chosenCjk() = cjk;

    auto& map = chosen();
    map.clear();
    for (const ScreenFamily& entry : screenFamilies) {
        const QString name = QString::fromUtf8(entry.name);
        const QStringList substitutes = standIns(entry.kind, installed, cjk);
        QFont::removeSubstitutions(name);
        if (!substitutes.isEmpty()) QFont::insertSubstitutions(name, substitutes);
        map.insert(name.toLower(), substitutes);
    }
}

QStringList fontSubstitutes(const QString& family)
{
    return chosen().value(family.toLower());
}

QString cjkFontFamily()
{
    return chosenCjk();
}

QFont makeFont(const QString& family, double points, bool bold, bool italic, bool underline)
{
    // Forms on a Chinese Windows default to 9 points.
    if (!std::isfinite(points) || points <= 0) points = 9;
    QFont font(family);
    const double pixels = points * 20.0 / twipsPerPixelY();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(std::min(pixels, 10000.0)))));
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

} // namespace platform
