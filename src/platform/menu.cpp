#include "platform/menu.h"

#include <QApplication>
#include <QDebug>
#include <QMenu>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <algorithm>

namespace platform {

Menu::Menu(QString name, Menu* parent)
    : name_(std::move(name))
    , parent_(parent)
{
    if (parent_) parent_->addChild(this);
}

Menu::~Menu()
{
    if (parent_) parent_->removeChild(this);
    for (Menu* c : children_)
        c->parent_ = nullptr;
}

std::vector<Menu*> Menu::items() const
{
    return children_;
}

std::vector<Menu*> Menu::shownItems() const
{
    std::vector<Menu*> out;
    for (Menu* c : children_)
        if (c->visible_) out.push_back(c);
    return out;
}

void Menu::setDesign(const QString& caption, bool visible, bool enabled)
{
    designCaption_ = caption;
    designVisible_ = visible;
    designEnabled_ = enabled;
    reset();
}

void Menu::reset()
{
    caption_ = designCaption_;
    visible_ = designVisible_;
    enabled_ = designEnabled_;
    checked_ = false;
    for (Menu* c : children_)
        c->reset();
}

void Menu::addChild(Menu* m)
{
    children_.push_back(m);
}

void Menu::removeChild(Menu* m)
{
    children_.erase(std::remove(children_.begin(), children_.end(), m), children_.end());
}

// ---------------------------------------------------------------------------------------------

MenuArray::MenuArray(QString name, Menu* parent)
    : name_(std::move(name))
    , parent_(parent)
{}

Menu& MenuArray::design(int index, const QString& caption)
{
    auto& m = items_[index];
    if (!m) {
        m = std::make_unique<Menu>(name_, parent_);
        m->setIndex(index);
        m->onClick = [this, index] {
            if (onClick) onClick(index);
        };
        designIndexes_.push_back(index);
    }
    m->setDesign(caption);
    return *m;
}

Menu& MenuArray::operator()(int index)
{
    auto it = items_.find(index);
    if (it != items_.end()) return *it->second;
    qWarning().noquote() << "menu array" << name_ << "has no element" << index;
    scratch_ = std::make_unique<Menu>(name_);
    return *scratch_;
}

bool MenuArray::Load(int index)
{
    if (exists(index) || items_.empty()) return false;
    const Menu& model = *items_.begin()->second;
    auto m = std::make_unique<Menu>(name_, nullptr);
    m->setIndex(index);
    m->setCaption(model.Caption());
    m->onClick = [this, index] {
        if (onClick) onClick(index);
    };
    // Keep the parent's items in index order, as the loaded items show in that order.
    if (parent_) {
        std::vector<Menu*> kids = parent_->items();
        for (Menu* k : kids)
            parent_->removeChild(k);
        items_[index] = std::move(m);
        std::vector<Menu*> mine;
        for (auto& [i, e] : items_)
            mine.push_back(e.get());
        bool placed = false;
        for (Menu* k : kids) {
            bool isMine = std::find(mine.begin(), mine.end(), k) != mine.end();
            if (isMine && !placed) {
                for (Menu* e : mine)
                    parent_->addChild(e);
                placed = true;
            } else if (!isMine) {
                parent_->addChild(k);
            }
        }
        if (!placed)
            for (Menu* e : mine)
                parent_->addChild(e);
    } else {
        items_[index] = std::move(m);
    }
    return true;
}

bool MenuArray::Unload(int index)
{
    if (!exists(index) ||
        std::find(designIndexes_.begin(), designIndexes_.end(), index) != designIndexes_.end())
        return false;
    if (parent_) parent_->removeChild(items_[index].get());
    items_.erase(index);
    return true;
}

void MenuArray::unloadRuntime()
{
    std::vector<int> runtime;
    for (auto& [i, e] : items_)
        if (std::find(designIndexes_.begin(), designIndexes_.end(), i) == designIndexes_.end())
            runtime.push_back(i);
    for (int i : runtime)
        Unload(i);
}

// ---------------------------------------------------------------------------------------------

namespace {

// The pop-ups' look: a separator has room of its own with its line in the middle, as in the old
// system's menus. The style's own separator is two pixels tall, so one at the top lay on the
// menu's border and could not be seen.
class PopupStyle final : public QProxyStyle {
public:
    static constexpr int SeparatorHeight = 9;
    using QProxyStyle::QProxyStyle;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override
    {
        QSize s = QProxyStyle::sizeFromContents(type, option, size, widget);
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (type == CT_MenuItem && item && item->menuItemType == QStyleOptionMenuItem::Separator &&
            item->text.isEmpty())
            s.setHeight(SeparatorHeight);
        return s;
    }
};

QStyle* popupStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        // The application's own style underneath; gone with the application.
        style = new PopupStyle(QApplication::style()->name());
        style->setParent(qApp);
    }
    return style;
}

} // namespace

void fillPopup(QMenu& into, Menu& menu)
{
    into.setStyle(popupStyle());
    // Every "-" draws its own line, also first, last or doubled.
    into.setSeparatorsCollapsible(false);
    for (Menu* item : menu.shownItems()) {
        const QString caption = item->Caption();
        if (!item->shownItems().empty()) { // a cascade keeps its items whatever its caption
            QMenu* sub = into.addMenu(caption);
            sub->setEnabled(item->Enabled());
            fillPopup(*sub, *item);
            continue;
        }
        if (item->isSeparator()) {
            into.addSeparator();
            continue;
        }
        QAction* a = into.addAction(caption);
        a->setEnabled(item->Enabled());
        a->setCheckable(item->Checked());
        a->setChecked(item->Checked());
        a->setData(QVariant::fromValue(static_cast<void*>(item)));
    }
}

namespace {

class RealPopup final : public PopupService {
public:
    Menu* pick(Menu& menu, QPoint globalPx, bool rightAlign) override
    {
        QMenu popup;
        fillPopup(popup, menu);
        if (rightAlign) globalPx.rx() -= popup.sizeHint().width();
        QAction* chosen = popup.exec(globalPx);
        if (!chosen) return nullptr;
        return static_cast<Menu*>(chosen->data().value<void*>());
    }
};

PopupService* g_popup = nullptr;

} // namespace

void setPopupService(PopupService* s)
{
    g_popup = s;
}

PopupService* installedPopupService()
{
    return g_popup;
}

PopupService& popupService()
{
    static RealPopup real;
    return g_popup ? *g_popup : real;
}

} // namespace platform
