#pragma once
// A small installation in a temporary program folder, for the start-up and home-screen tests:
// "ver.txt" packed here, a question bank "tiku" with three units and two exam sets, and "ksdata".
#include <QString>
#include <QStringList>

#include "support/kit.h"

namespace hometest {

// "ver.txt"'s packing as a module's own tool writes it; this one writes every character in the
// second range (500000 plus its code), the form the program's own packer does not use.
QString packSecondRange(const QString& text);

class Installation {
public:
    Installation();

    QString folder() const { return program_.path(); }
    QString bank(const QString& name) const;   // a file of the question bank
    QString ksdata(const QString& name) const; // a progress file

    // Writes a text file (GBK, CR LF) and makes its folder.
    static void write(const QString& path, const QStringList& lines);
    static QStringList read(const QString& path); // lines; empty when missing
    static bool exists(const QString& path);

    // ver.txt of the given lines, each packed by packSecondRange.
    void writeVer(const QStringList& lines);
    // A small picture under the bank's name (information pages).
    void writePicture(const QString& name);

    // The module: "XP", display name, bank folder "tiku", module number 7, three unit titles.
    static QStringList standardVer();

private:
    testkit::TempProgramFolder program_;
};

} // namespace hometest
