#pragma once
// Turns the module's tables into the question bank's files: step records, question lists, the
// answer texts, the set table and the pictures.
#include "sample/model.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace sample {

struct PictureFile {
    QString name; // file name without folder, e.g. "P00012.rar"
    QByteArray bytes;
};

struct BankFiles {
    QList<QStringList> unitSteps; // step file of unit u (bank file 20 + u)
    QList<QStringList> unitLists; // question list of unit u (bank file 70 + u)
    QStringList answerTexts;      // bank file 90
    QStringList setTable;         // bank file 91
    QList<PictureFile> pictures;  // the step pictures and illustrations
};

// Builds the bank; nothing, with the reason in *error, when the tables have a fault (a picture or
// item that does not exist, a target under the question panel, a question without its terminal
// step, a jump out of its question ...).
std::optional<BankFiles> buildBank(const ModuleDef& module, QString* error);

// A picture file's bytes: JPEG for large pictures, BMP for small ones (the bank's loader reads both).
QByteArray encodePicture(const QImage& image);

} // namespace sample
