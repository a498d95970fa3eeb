#pragma once
// Fonts by the family names the screens give, rendered with installed fonts.
#include <QFont>
#include <QString>

namespace platform {

// Maps the family names the screens use ("宋体", "黑体", "楷体_GB2312", "隶书",
// "Times New Roman", "Fixedsys" ...) onto installed fonts with the glyphs they need.
// Called once at start-up (the test main and both programs do).
void installFontSubstitutions();

// A font as the screens describe one; size in points.
QFont makeFont(const QString& family, double points, bool bold = false, bool italic = false,
               bool underline = false);

} // namespace platform
