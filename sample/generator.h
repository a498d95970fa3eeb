#pragma once
// The sample installation: the program folder's module information, auto-update flag, context
// menus, desktop pictures and cursors, the question bank in its data folder, and the progress
// folder "ksdata".
#include "sample/ver_packing.h"

#include <QString>

namespace sample {

// The module information the installation carries ("ver.txt").
ModuleInfo sampleModuleInfo();
// The question bank's version text (bank file 95).
QString bankVersion();

// Writes a complete installation into `folder` (created when missing). Everything is rewritten
// except what the program or the candidate keeps: the progress files under "ksdata", the start
// flag, the launch counter, the login times and the auto-update flag are created only when
// missing. False, with the reason in *error, when something could not be built or written.
bool generateInstallation(const QString& folder, QString* error = nullptr);

} // namespace sample
