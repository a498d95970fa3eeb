#pragma once
// The pictures of the desktop's chrome under "examdata": menu bars, the toolbar, task panes, the
// Control Panel pages, the pictures of the desktop, the Start menu and My Computer that lie under
// the fixed hot-spots, and the hover and pressed looks of their items.
#include "sample/bank.h"

namespace sample {

// File names without folder ("A00000.rar" ...). The desktop, Start-menu and My Computer pictures of
// the area boxes are "PicTable.rar", "PicStart.rar" and "PicMyPc.rar".
QList<PictureFile> chromePictures();

} // namespace sample
