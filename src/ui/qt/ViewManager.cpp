#include "ui/qt/ViewManager.h"

#include <QApplication>
#include <QScreen>
#include <algorithm>

#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/FormRegistry.h"
#include "ui/qt/ScreenFit.h"

namespace ui::qt {

ViewManager::ViewManager(FormRegistry& registry)
    : registry_(registry),
      zoomKeys_([this](const QWidget& window) { return serves(window); }, [this](ZoomKey key) { zoomBy(key); }) {
    createdToken_ = registry.formCreated.connect([this](Form& form) { create(form); });
    destroyedToken_ = registry.formDestroyed.connect([this](Form& form) { drop(form); });
    endedToken_ = registry.programEnded.connect([this] { dropAll(); });
    focusToken_ = registry.focusRequested.connect([this](Control& control) { moveFocus(control); });
    QObject::connect(qApp, &QApplication::focusChanged, &focusWatch_, [this](QWidget*, QWidget* now) { noteFocus(now); });
    qApp->installEventFilter(&zoomKeys_);
    for (QScreen* screen : QGuiApplication::screens()) watchScreen(screen);
    QObject::connect(qApp, &QGuiApplication::screenAdded, &focusWatch_, [this](QScreen* screen) { watchScreen(screen); });
    for (Form* form : registry.loaded()) create(*form);
}

void ViewManager::watchScreen(QScreen* screen) {
    QObject::connect(screen, &QScreen::availableGeometryChanged, &focusWatch_, [this] { refitAll(); });
}

void ViewManager::refitAll() {
    for (Entry& entry : views_) entry.view->refit();
}

void ViewManager::setZoom(double zoom) {
    zoom_ = ClampZoom(zoom);
    for (Entry& entry : views_) entry.view->setZoom(zoom_);
}

void ViewManager::setPacedRefresh(bool paced) {
    pacedRefresh_ = paced;
    for (Entry& entry : views_) entry.view->setPacedRefresh(paced);
}

void ViewManager::zoomBy(ZoomKey key) {
    double zoom = key == ZoomKey::In ? ZoomIn(zoom_) : key == ZoomKey::Out ? ZoomOut(zoom_) : 1.0;
    if (zoom == zoom_) return;
    setZoom(zoom);
    if (onZoomChanged) onZoomChanged(zoom_);
}

bool ViewManager::serves(const QWidget& window) const {
    return std::any_of(views_.begin(), views_.end(), [&window](const Entry& e) { return e.view.get() == &window; });
}

void ViewManager::noteFocus(QWidget* now) {
    Control* control = nullptr;
    for (const Entry& entry : views_) {
        if (now && entry.view->isAncestorOf(now)) control = entry.view->controlOf(now);
    }
    registry_.noteFocus(control);
}

void ViewManager::moveFocus(Control& control) {
    FormView* view = viewOf(control.form());
    QWidget* widget = view ? view->widgetOf(control) : nullptr;
    if (widget && !widget->hasFocus()) widget->setFocus(Qt::OtherFocusReason);
}

ViewManager::~ViewManager() {
    registry_.formCreated.disconnect(createdToken_);
    registry_.formDestroyed.disconnect(destroyedToken_);
    registry_.programEnded.disconnect(endedToken_);
    registry_.focusRequested.disconnect(focusToken_);
    views_.clear();
    for (const QPointer<FormView>& view : dying_) delete view.data();
}

FormView* ViewManager::viewOf(const Form& form) const {
    for (const Entry& entry : views_) {
        if (entry.form == &form) return entry.view.get();
    }
    return nullptr;
}

FormView* ViewManager::viewOf(const std::string& formName) const {
    Form* form = registry_.find(formName);
    return form ? viewOf(*form) : nullptr;
}

void ViewManager::flush() {
    for (Entry& entry : views_) entry.view->flush();
}

void ViewManager::create(Form& form) {
    if (viewOf(form)) return;
    views_.push_back({&form, std::make_unique<FormView>(form, registry_, zoom_)});
    views_.back().view->setPacedRefresh(pacedRefresh_);
}

void ViewManager::drop(const Form& form) {
    auto it = std::find_if(views_.begin(), views_.end(), [&form](const Entry& e) { return e.form == &form; });
    if (it == views_.end()) return;
    FormView* view = it->view.release();
    views_.erase(it);
    view->detach();
    view->hide();
    view->deleteLater();
    std::erase_if(dying_, [](const QPointer<FormView>& p) { return p.isNull(); });
    dying_.emplace_back(view);
}

void ViewManager::dropAll() {
    // Once the program has ended its windows are destroyed without further notice.
    while (!views_.empty()) drop(*views_.back().form);
}

}  // namespace ui::qt
