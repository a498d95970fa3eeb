#pragma once
// What the two desktops ask of the question panel beside them. The panel lies above them in the
// layers (it starts them), so they never name its form or its controls: the panel implements this
// and registers how it is reached; a desktop without a panel (a test of the desktop alone) asks
// nothing.
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
    // The demonstration has ended: the candidate's desktop and the panel come back, and the panel
    // reloads the question at the candidate's own step.
    virtual void demonstrationEnded() = 0;
};

// How the panel is reached; an empty function for none.
void setQuestionPanel(std::function<QuestionPanel*()> source);
// The panel, created when first asked for; null when none is registered.
QuestionPanel* questionPanel();

} // namespace common
