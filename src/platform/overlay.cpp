#include "platform/overlay.h"

#include <QChildEvent>
#include <QEvent>
#include <QWidget>
#include <algorithm>
#include <map>

#include "platform/control.h"
#include "platform/form.h"

namespace platform {

namespace {

// The layer: as large as its host's client area, always its topmost child, never hit.
class OverlayLayer final : public QWidget {
public:
    explicit OverlayLayer(QWidget* host)
        : QWidget(host)
    {
        setObjectName(QStringLiteral("Overlay"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(host->rect());
        host->installEventFilter(this);
        show();
        raise();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (watched == parent()) {
            if (e->type() == QEvent::Resize) {
                setGeometry(parentWidget()->rect());
            } else if (e->type() == QEvent::ChildAdded) {
                // A control's widget created later (an array element loaded at run time) would
                // otherwise lie above the layer.
                if (static_cast<QChildEvent*>(e)->child() != this) raise();
            }
        }
        return false;
    }
};

std::map<const Control*, Overlay*>& liftedControls()
{
    static std::map<const Control*, Overlay*> m;
    return m;
}

OverlayLayer* layerOf(QWidget* host, bool create)
{
    if (!host) return nullptr;
    // The layer has no meta-object of its own: a lookup by meta type would take any widget for
    // it, a dynamic cast tells it apart exactly.
    for (QObject* child : host->children())
        if (auto* layer = dynamic_cast<OverlayLayer*>(child)) return layer;
    return create ? new OverlayLayer(host) : nullptr;
}

// A lifted control's widget goes onto the layer, where its geometry reads as on the form.
void moveOnto(Control& c)
{
    QWidget* w = c.widget();
    if (!w) return;
    QWidget* layer = overlayParent(c);
    if (!layer || w->parentWidget() == layer) return;
    const QRect geometry = w->geometry();
    const bool visible = c.Visible();
    w->setParent(layer);
    w->setGeometry(geometry);
    w->setVisible(visible);
    w->raise();
}

} // namespace

Overlay::Overlay(Form* form)
    : form_(form)
{}

Overlay::~Overlay()
{
    for (Control* c : lifted_)
        liftedControls().erase(c);
}

void Overlay::lift(std::initializer_list<Control*> controls)
{
    for (Control* c : controls) {
        if (!c || c->form() != form_ || !c->isGraphical() || c->container() != form_ || holds(*c)) continue;
        lifted_.push_back(c);
        liftedControls()[c] = this;
        moveOnto(*c);
    }
}

bool Overlay::holds(const Control& c) const
{
    return std::find(lifted_.begin(), lifted_.end(), &c) != lifted_.end();
}

QWidget* overlayParent(const Control& c)
{
    auto it = liftedControls().find(&c);
    if (it == liftedControls().end() || !c.form()) return nullptr;
    return layerOf(c.form()->hostWidget(), true);
}

void raiseOverlay(QWidget* host)
{
    if (OverlayLayer* layer = layerOf(host, false)) layer->raise();
}

} // namespace platform
