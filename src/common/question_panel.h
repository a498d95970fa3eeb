#pragma once
// What the candidate's desktop asks of the question panel beside it. The panel lies above it in
// the layers (it starts it), so the desktop never names its form or its controls: the drill
// installs the panel here when it starts a drill, and a desktop without a drill (a test of the
// desktop alone) asks nothing.
#include <QString>
#include <functional>

namespace common {

class QuestionPanel {
public:
    virtual ~QuestionPanel() = default;
    // Puts the panel's bottom-right corner at (right, bottom), twips on the screen.
    virtual void dockAtCorner(double right, double bottom) = 0;
    // The panel comes to the top of the windows (the desktop then goes above it).
    virtual void bringPanelToTop() = 0;
    // The panel's title and its list of unfinished questions, after a question was finished.
    virtual void showTitle(const QString& title) = 0;
    virtual void showUnfinished(const QString& unfinished) = 0;
};

// How the panel is reached; an empty function for none.
void setQuestionPanel(std::function<QuestionPanel*()> source);
// The panel, created when first asked for; null when none is installed.
QuestionPanel* questionPanel();

} // namespace common
