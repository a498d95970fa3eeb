#pragma once
// The cursor files beside the program, "ico" & NN & ".CUR".
#include "sample/bank.h"

namespace sample {

// ico00 the demonstration's arrow, ico01 the pointing hand (hot-spot at the fingertip, (6, 0)),
// ico02 the text I-beam, ico03 the four-way move pointer, ico04 the arrow with an hourglass.
QList<PictureFile> cursorFiles();

} // namespace sample
