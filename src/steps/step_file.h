#pragma once
// The drill's step file, read once and kept: both desktops and the pictures decoded ahead take a
// question's records from it, so a render never reads the file again. It is read again when the
// file asked for is another one, when the file has changed on disk (its size or its time of
// change differ from those it was read with), and after forget(), which every question load calls:
// a changed unit, question or file is always seen, and the unchanged file of a question being
// played or practised is read once.
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

namespace steps {

class StepFile {
public:
    // The lines of the step file at `path` (found as the bank's file names are found: exactly, or
    // differing in case only); nothing when it cannot be read or holds bytes that are not GBK.
    const QStringList* lines(const QString& path);
    // The next lines() reads the file again.
    void forget();
    // How many times a file has been read.
    int reads() const { return readCount; }

private:
    QString asked;   // the path asked for
    QString found;   // the file read for it
    QDateTime changed;
    qint64 size = -1;
    bool readable = false;
    QStringList kept;
    int readCount = 0;
};

// The program's step file reader.
StepFile& stepFile();

// Record `step` (1-based) of question `question` from the drill's step file (stepPath): none when
// the question has no block of records, the file cannot be read, or the step lies outside the block.
std::optional<QString> questionRecord(int question, int step);

} // namespace steps
