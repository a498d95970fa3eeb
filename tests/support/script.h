#pragma once
// Scripted answers for message boxes, and manual time, for tests that drive screens.
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

#include "platform/clock.h"
#include "platform/msgbox.h"

namespace testkit {

// Answers message boxes from a queue armed before the action that shows them. Installed for
// its lifetime; the service in force before comes back afterwards.
// A box that was not expected (the queue is empty, or the next expected prompt does not
// match) fails the test with its prompt and is answered as Esc or the frame would answer it;
// the expectation stays queued for the next box. An expected box that shows another title or
// style, or whose answer is not one of its buttons, fails the test too but takes its answer.
// Expected boxes never shown fail the test when the script ends.
class ScriptedMessageBoxes final : public platform::MessageBoxService {
public:
    ScriptedMessageBoxes();
    ~ScriptedMessageBoxes() override;
    ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
    ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;

    // The next box, whatever it says, is answered with answer.
    ScriptedMessageBoxes& expect(int answer);
    // The next box must show a prompt containing prompt (the whole prompt or a part of it)
    // and, when given, exactly this title and style.
    ScriptedMessageBoxes& expect(int answer, const QString& prompt, const std::optional<QString>& title = {},
                                 std::optional<int> style = {});

    // Every box shown while the script was installed, expected or not, in order.
    const QList<platform::MsgBoxRequest>& seen() const { return seen_; }
    int pending() const { return int(queue_.size()); }

    int ask(const platform::MsgBoxRequest& request) override;

private:
    struct Expected {
        int answer;
        std::optional<QString> prompt;
        std::optional<QString> title;
        std::optional<int> style;
    };
    QList<Expected> queue_;
    QList<platform::MsgBoxRequest> seen_;
    platform::MessageBoxService* previous_;
};

// A manual clock in force for its lifetime; the real clock returns afterwards.
class ManualTime {
public:
    explicit ManualTime(const QDateTime& start = QDateTime(QDate(2026, 1, 5), QTime(9, 0)));
    ~ManualTime();
    ManualTime(const ManualTime&) = delete;
    ManualTime& operator=(const ManualTime&) = delete;

    void advance(qint64 ms) { clock_.advance(ms); }
    QDateTime now() const { return clock_.now(); }
    qint64 elapsedMs() const { return clock_.elapsedMs(); }
    platform::ManualClock& clock() { return clock_; }

private:
    platform::ManualClock clock_;
};

} // namespace testkit
