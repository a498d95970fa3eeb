#pragma once
// A layer above every control of a form, windowed controls included, for drawn controls that
// must never be covered: the demonstration's pointer and click ring over edit fields and lists.
// The layer is a transparent widget over the form's client area that the mouse passes through;
// the controls lifted onto it keep their properties and are drawn as before, only above the
// rest. A change of a lifted control repaints where it was and where it is, nothing more.
#include <initializer_list>
#include <vector>

class QWidget;

namespace platform {

class Control;
class Form;

class Overlay {
public:
    explicit Overlay(Form* form);
    ~Overlay();
    Overlay(const Overlay&) = delete;
    Overlay& operator=(const Overlay&) = delete;

    // Puts drawn controls (lines, shapes, images lying on the form itself) onto the layer, in
    // the order given (the last on top).
    void lift(std::initializer_list<Control*> controls);
    void lift(Control& c) { lift({&c}); }
    bool holds(const Control& c) const;

private:
    Form* form_;
    std::vector<Control*> lifted_;
};

// The forms runtime's side. The widget a lifted control's widget is created in (null for a
// control that is not lifted); and the layer of a host widget raised above its other children,
// after they were restacked.
QWidget* overlayParent(const Control& c);
void raiseOverlay(QWidget* host);

} // namespace platform
