#pragma once
// Names of question-bank files: two-digit numbers, bank files, the drill's three paths and the
// picture files named by codes taken from data.
//
// Folders and separators: a folder is passed as a folder, with or without a trailing separator, and
// joinPath() adds the name with "/" - the platform's separator on Linux and one that Qt accepts on
// every platform (QDir::toNativeSeparators only where a path is shown or handed to another program).
// So `dataPath` may be "…/bank/" (as the start-up builds it) or "…/bank" with the same result.
#include <QString>
#include <QStringView>

namespace common {

// ".rar", the extension of every question-bank file (`dataExt`).
QString defaultDataExt();

// Right("00" & n, 2): 7 → "07", 19 → "19", 123 → "23", -1 → "-1" ("00-1"), -15 → "15".
// The same as Right("0" & n, 2), which the progress-file names use, for every n.
QString twoDigits(int n);

// folder & name, with exactly one "/" added when the folder does not already end in a separator.
// An empty folder gives the name alone.
QString joinPath(const QString& folder, const QString& name);

// folder & stem & twoDigits(number) & ext: "2888" for bank files, "1824" for wrong-answer lists …
QString numberedFile(const QString& folder, const QString& stem, int number, const QString& ext);

// A question-bank file: dataPath & "2888" & twoDigits(number) & dataExt (the bank's numbers:
// 0-19 step files, 20-39 unit step files, 50-89 question lists, 90 answer texts, 92 start flag ...).
QString bankFile(const QString& dataPath, int number, const QString& dataExt = defaultDataExt());

// The drill's files: the step file is bank file
// fileBase + setNo, the question list fileBase + 50 + setNo, the answer texts bank file 90
// ("288890"). fileBase 20, setNo 3 → 23 and 73; 0 and 7 → 07 and 57; 20 and -1 → 19 and 69.
QString stepPath(const QString& dataPath, int fileBase, int setNo, const QString& dataExt = defaultDataExt());
QString tmPath(const QString& dataPath, int fileBase, int setNo, const QString& dataExt = defaultDataExt());
QString txtPath(const QString& dataPath, const QString& dataExt = defaultDataExt());
// The drill's step file and question list (stepPath, tmPath) from its data folder, fileBase, setNo
// and extension: each drill start and every render computes them so.
struct DrillState;
void setDrillPaths(DrillState& d);

// True when a code taken from data (picture code, menu id) may become part of a file name: not
// empty and only ASCII letters and digits. Anything else is treated as a missing file, so data can
// never name a path outside the installation.
bool isSafeCode(QStringView code);

// The StepPictures file of a picture code: dataPath & code & dataExt. Empty for the codes that
// never name a file ("000000" none, "888888" keep) and for codes that are not safe (an empty code
// too), so the caller's load fails as for a missing file.
QString pictureFile(const QString& dataPath, const QString& code, const QString& dataExt = defaultDataExt());

} // namespace common
