#pragma once
// Pop-up menus: items with captions and cascades, some loaded at run time.
#include <QPoint>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QMenu;

namespace platform {

class Form;

class Menu {
public:
    explicit Menu(QString name, Menu* parent = nullptr);
    ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    const QString& Name() const { return name_; }
    int Index() const { return index_; }
    // A caption "-" is a separator (it keeps its index).
    const QString& Caption() const { return caption_; }
    void setCaption(const QString& c) { caption_ = c; }
    bool isSeparator() const { return caption_ == QLatin1String("-"); }
    bool Visible() const { return visible_; }
    void setVisible(bool v) { visible_ = v; }
    bool Enabled() const { return enabled_; }
    void setEnabled(bool v) { enabled_ = v; }
    bool Checked() const { return checked_; }
    void setChecked(bool v) { checked_ = v; }

    std::function<void()> onClick;

    // The items under this menu in their order (cascades when they have items of their own).
    std::vector<Menu*> items() const;
    Menu* parent() const { return parent_; }
    // The visible items in order, what a pop-up shows.
    std::vector<Menu*> shownItems() const;

    // Runtime side: the design state is restored when the form loads again.
    void setDesign(const QString& caption, bool visible = true, bool enabled = true);
    void reset();
    void setIndex(int i) { index_ = i; }
    void addChild(Menu* m);
    void removeChild(Menu* m);

private:
    QString name_;
    Menu* parent_;
    int index_ = -1;
    QString caption_, designCaption_;
    bool visible_ = true, enabled_ = true, checked_ = false;
    bool designVisible_ = true, designEnabled_ = true;
    std::vector<Menu*> children_;
};

// Menu items of one name under one parent, indexed; elements beyond the design ones are
// loaded at run time (a new element copies the lowest one's caption and is visible).
class MenuArray {
public:
    MenuArray(QString name, Menu* parent);
    Menu& design(int index, const QString& caption);
    bool exists(int index) const { return items_.count(index) != 0; }
    Menu& operator()(int index); // a missing element is a reported no-op stand-in
    bool Load(int index);
    bool Unload(int index);
    void unloadRuntime();
    int Count() const { return int(items_.size()); }
    int UBound() const { return items_.empty() ? -1 : items_.rbegin()->first; }
    std::function<void(int index)> onClick;

private:
    QString name_;
    Menu* parent_;
    std::map<int, std::unique_ptr<Menu>> items_;
    std::vector<int> designIndexes_;
    std::unique_ptr<Menu> scratch_;
};

// Where the picked item of a pop-up comes from: the real pop-up, or a test script.
class PopupService {
public:
    virtual ~PopupService() = default;
    // Shows the visible items of menu at the global pixel position (right-aligned to it when
    // rightAlign) and returns the picked item or nullptr.
    virtual Menu* pick(Menu& menu, QPoint globalPx, bool rightAlign) = 0;
};
void setPopupService(PopupService* s); // nullptr returns to the real pop-up
// The real pop-up's content: the shown items of menu, cascades as sub-menus.
void fillPopup(QMenu& into, Menu& menu);
PopupService& popupService();
PopupService* installedPopupService(); // what was set, or nullptr

} // namespace platform
