// A menu item: a QAction in the window's menu bar. An item that other items name as their
// parent carries a QMenu of them; opening that menu is its Click, as is choosing a plain item.
// A caption of "-" is a separator.
#pragma once

#include <QAction>
#include <QMenu>

#include "ui/Buttons.h"
#include "ui/qt/ControlBinding.h"

namespace ui::qt {

class MenuItemView : public QAction, public BoundTo<MenuItem> {
public:
    // hasItems: the item opens a menu of the items that name it as their parent.
    MenuItemView(MenuItem& model, FormRegistry& registry, bool hasItems, QObject* parent);
    ~MenuItemView() override;

    void sync() override;
    QObject* object() override { return this; }
    // The menu of the items under this one; null for a plain item.
    QMenu* itemMenu() const { return menu_; }

private:
    QMenu* menu_ = nullptr;
};

}  // namespace ui::qt
