#pragma once
// The per-character number packing of the module information file "ver.txt": every character of
// a line is written as one group of six decimal digits. A single-byte character c is written as
// 200000 + c, a double-byte character of code page 936 with lead byte h and trail byte l as
// 500000 + h * 256 + l; the reader takes a group v as v - 200000 up to 500000, else v - 500000.
#include <QString>
#include <QStringList>
#include <optional>

namespace sample {

// The packed line, or nothing when a character has no code in code page 936.
std::optional<QString> packInfoLine(const QString& text);

// The module information: short name, display name, data-folder name, module number, unit titles.
struct ModuleInfo {
    QString shortName;
    QString displayName;
    QString dataFolder;
    int moduleNo = 0;
    QStringList unitTitles; // units 0, 1, ... (at most 21)
};

// The file's lines: lines 1-4, then one title per unit; nothing when a text cannot be packed.
std::optional<QStringList> packModuleInfo(const ModuleInfo& info);

} // namespace sample
