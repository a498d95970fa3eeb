#pragma once
// The home screen's information pages: 17 pictures (the exam's introduction, its outline, the
// instructions of this trainer and, last, the catalogue of sibling modules).
#include "sample/bank.h"

namespace sample {

// The text of a page: its heading and its lines.
struct InfoPage {
    QString heading;
    QStringList lines;
};
QList<InfoPage> infoPageTexts(const QString& moduleTitle);

// Pages 1-17 as "9l00" & NN & ".rar".
QList<PictureFile> infoPages(const QString& moduleTitle);

} // namespace sample
