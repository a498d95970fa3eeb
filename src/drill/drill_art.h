#pragma once
// The pictures of the login screen and the results screen, drawn by the program itself (800 x 600
// pixels each, the 12000 x 9000-twip design screen). Each is drawn once and kept; its source()
// names it ("drill:login" ...) so tests can tell them apart.
#include "platform/picture.h"

namespace drill::art {

platform::Picture loginPage();   // the login page: seat and ID fields, "登 录" and "退 出"
platform::Picture confirmCard(); // the candidate's confirmation card with the progress track
platform::Picture resultsPage(); // the results screen's background
platform::Picture handPointer(); // 32 x 32 cursor of the login buttons, hot spot at the fingertip

} // namespace drill::art
