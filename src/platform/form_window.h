#pragma once
// The top-level window of a loaded form.
#include <QPointer>
#include <QWidget>

namespace platform {

class Form;

class FormWindow final : public QWidget {
public:
    explicit FormWindow(Form* form);
    void detach() { form_ = nullptr; }
    Form* form() const { return form_; }
    // Set while the runtime itself moves or resizes the window.
    bool applying = false;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    bool ownKey() const;
    Form* form_;
};

// Brings back at once any modal window of the program that the window manager minimises (the
// first form or message box starts it, if the program's start has not).
void keepModalWindowsInView();

} // namespace platform
