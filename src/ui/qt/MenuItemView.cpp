#include "ui/qt/MenuItemView.h"

#include <QSignalBlocker>

#include "ui/UserInput.h"

namespace ui::qt {

MenuItemView::MenuItemView(MenuItem& model, FormRegistry& registry, bool hasItems, QObject* parent)
    : QAction(parent), BoundTo<MenuItem>(model, registry, Scale()) {
    setObjectName(ToQString(model.path()));
    auto click = [this] {
        if (model_) Click(registry_, *model_);
    };
    if (hasItems) {
        menu_ = new QMenu();
        menu_->setObjectName(objectName());
        setMenu(menu_);
        connect(menu_, &QMenu::aboutToShow, this, click);
    } else {
        connect(this, &QAction::triggered, this, click);
    }
}

MenuItemView::~MenuItemView() {
    // A menu is a top-level popup: the action does not own it.
    if (menu_) {
        setMenu(static_cast<QMenu*>(nullptr));
        delete menu_;
    }
}

void MenuItemView::sync() {
    if (!model_) return;
    QSignalBlocker block(this);
    QString caption = ToQString(model_->caption());
    setSeparator(caption == QLatin1String("-"));
    if (text() != caption) setText(caption);
    if (menu_) menu_->setTitle(caption);
    setVisible(model_->visible());
    setEnabled(model_->enabled());
}

}  // namespace ui::qt
