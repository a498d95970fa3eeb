#pragma once
// The question panel's end command and its unload guard. The panel wires them:
//   CmdEnd.onClick (and CmdGN(5)) -> drill::CmdEnd_Click()
//   onUnload                      -> drill::Form_Unload(cancel)

namespace drill {

// Ends the drill that the panel runs, by the caption of CmdEnd: "结束练习" saves the unit's
// completion flags and question states and goes home; "结束考试" hides the panel and opens the
// first hand-in dialog (the clock runs on: the candidate may go back); "结束复习" goes home, an
// error review first offering to drop the questions solved in it from the wrong-answer list.
// A progress file that could not be saved is named to the candidate; the drill still ends.
void CmdEnd_Click();

// The panel may close only when the drill end allows it (canUnload).
void Form_Unload(int& cancel);

} // namespace drill
