#pragma once
// The question panel's pictures, drawn by the program itself at the panel's design size (one
// design pixel is 15 twips). Each is drawn once and kept; its source() names it ("panel:title" ...)
// so tests can tell them apart.
#include "platform/picture.h"

namespace drill::panelArt {

platform::Picture titleStrip();    // the window's background: the title strip across the top
platform::Picture mainView();      // the main view with the faces of the eight buttons
platform::Picture buttonHover();   // hover look of one button area
platform::Picture buttonPressed(); // pressed look of one button area
platform::Picture minimiseGlyph(); // the minimise button's look
platform::Picture minimisedBox();  // the box the panel shrinks to
platform::Picture photo();         // the candidate's photograph on the card

} // namespace drill::panelArt
