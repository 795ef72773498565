// Keeps one window view for every window of a registry: a view is built when a window has
// been created (and for the windows that exist when the manager starts) and goes when the
// window is destroyed or the program ends. It holds the user's zoom of all the windows, and
// the zoom keys (Ctrl++, Ctrl+-, Ctrl+0) change it whichever of its windows has the focus.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/qt/FormView.h"
#include "ui/qt/ZoomKeys.h"

class QScreen;

namespace ui {
class Form;
class FormRegistry;
}  // namespace ui

namespace ui::qt {

class ViewManager {
public:
    explicit ViewManager(FormRegistry& registry);
    ~ViewManager();
    ViewManager(const ViewManager&) = delete;
    ViewManager& operator=(const ViewManager&) = delete;

    // The view of a window; null when it has none (not created, or already gone).
    FormView* viewOf(const Form& form) const;
    FormView* viewOf(const std::string& formName) const;
    // Brings every window view in step with the model now (see FormView::flush).
    void flush();

    // The zoom of every window, now and for windows made later (1: the fitted size), within
    // the zoom keys' range.
    double zoom() const { return zoom_; }
    void setZoom(double zoom);
    // What the zoom keys do.
    void zoomBy(ZoomKey key);
    // Called when the user changed the zoom with the keys (to keep it for the next run).
    std::function<void(double)> onZoomChanged;

    // Whether every window's Refresh() repaints at most once a screen frame (the default) or at
    // every call (see FormView), now and for windows made later.
    void setPacedRefresh(bool paced);

private:
    void create(Form& form);
    void drop(const Form& form);
    void dropAll();
    // The keyboard focus, both ways: the user's moves reach the model, the model's reach the
    // widgets.
    void noteFocus(QWidget* now);
    void moveFocus(Control& control);
    bool serves(const QWidget& window) const;
    // A screen came, or its free area changed (a panel appeared, say): the shown windows fit again.
    void watchScreen(QScreen* screen);
    void refitAll();

    struct Entry {
        const Form* form;
        std::unique_ptr<FormView> view;
    };
    FormRegistry& registry_;
    std::vector<Entry> views_;
    // Views of destroyed windows, deleted once the event that destroyed them has returned
    // (it may have come from one of their own widgets).
    std::vector<QPointer<FormView>> dying_;
    int createdToken_;
    int destroyedToken_;
    int endedToken_;
    int focusToken_;
    QObject focusWatch_;
    double zoom_ = 1.0;
    bool pacedRefresh_ = true;
    ZoomKeyFilter zoomKeys_;
};

}  // namespace ui::qt
