#pragma once
// The pictures of the splash and the home screen, drawn by the program itself. Each picture is
// drawn once and kept; its source() names it ("home:background" ...) so tests can tell them apart.
#include <QString>

#include "platform/picture.h"

namespace home::art {

enum Look : int { Normal = 0, Hover = 1, Pressed = 2 };

platform::Picture splash();               // 440 x 99 pixels
platform::Picture background();           // the home screen, 800 x 600
platform::Picture unitPanel();            // the unit panel, 798 x 545
platform::Picture examPanel();            // the exam-set panel, 798 x 545
platform::Picture unitTile(Look look);    // 150 x 150
platform::Picture examTile(Look look);    // 150 x 150
platform::Picture unitCard();             // 234 x 64
platform::Picture examCard();             // 369 x 64
platform::Picture enterButton(Look look); // 118 x 25, Hover or Pressed
platform::Picture startButton(Look look); // 118 x 25, Hover or Pressed
platform::Picture closeHover();           // 48 x 20
platform::Picture handPointer();          // 32 x 32 cursor, hot spot at the fingertip (6, 0)
platform::Picture programIcon();          // 32 x 32, the About box and the desktop shortcut
// Shown in place of an information page whose picture is missing, with the page buttons drawn.
platform::Picture missingPage(const QString& fileName);

} // namespace home::art
