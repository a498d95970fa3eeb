#pragma once
// Fonts by the family names the screens give, rendered with installed fonts.
#include <QFont>
#include <QString>
#include <QStringList>

namespace platform {

// Maps the family names the screens use ("宋体", "黑体", "楷体_GB2312", "隶书",
// "Times New Roman", "Fixedsys" ...) onto installed fonts with the glyphs they need.
// Called once at start-up (the test main and both programs do); calling it again redoes the
// mapping from the fonts installed then. A family that is itself installed is used as it is.
void installFontSubstitutions();

// The installed families that installFontSubstitutions() put in for a screen family, best
// first; empty for a family it does not know.
QStringList fontSubstitutes(const QString& family);

// The installed family chosen for Chinese text, or empty when no installed font has
// Simplified Chinese glyphs.
QString cjkFontFamily();

// A font as the screens describe one; size in points. The size is turned into whole pixels
// at the runtime's twips per pixel (points × 20 / twipsPerPixelY()), not at the Qt screen's
// dpi, so text keeps its size against the twip layout at any scale. The QFont therefore has a pixel size; the point size lives in the control.
// A size that is not positive gives the forms' default, 9 points.
QFont makeFont(const QString& family, double points, bool bold = false, bool italic = false,
               bool underline = false);

} // namespace platform
