// The link between one model control and the Qt object that shows it. The window view calls
// sync() when it brings its dirty views in step (first after building them, then after the
// control changed), and detach() when the control is about to go away; after that the Qt
// object ignores the user and never touches the model again.
#pragma once

#include "ui/qt/Convert.h"

class QObject;
class QWidget;

namespace ui {
class Control;
class FormRegistry;
}

namespace ui::qt {

class ControlBinding {
public:
    virtual ~ControlBinding() = default;
    // Mirrors every property of the control; the widget's own signals are blocked meanwhile,
    // so that nothing echoes back to the model as a user's action. Cheap when little changed:
    // it touches only what differs from what the widget shows.
    virtual void sync() = 0;
    virtual void detach() = 0;
    // The window's scale changed (a fit to the screen, a zoom): the next sync shows it.
    virtual void rescale(const Scale& scale) = 0;
    // The widget or action that shows the control.
    virtual QObject* object() = 0;
};

// A binding to a control of type M; user input goes through the registry's event scopes.
template <typename M>
class BoundTo : public ControlBinding {
public:
    BoundTo(M& model, FormRegistry& registry, Scale scale) : model_(&model), registry_(registry), scale_(scale) {}
    void detach() override { model_ = nullptr; }
    void rescale(const Scale& scale) override { scale_ = scale; }

protected:
    M* model_;  // null once detached
    FormRegistry& registry_;
    Scale scale_;
};

// Geometry, visibility and enabled state of a control's widget.
void SyncCommon(QWidget& widget, const Control& control, const Scale& scale);

// The interface font a view last gave its widget: a font is built, set (which re-lays out
// the widget) and measured only when the control's size or weight, the window's factor (or the
// view's horizontal stretch, in percent) really changed.
class ShownFont {
public:
    // True when the widget got a new font.
    bool apply(QWidget& widget, const Scale& scale, int points, bool bold, int stretch = 100);

private:
    int points_ = -1;
    bool bold_ = false;
    int stretch_ = 100;
    double factor_ = 1.0;
};

// Two colours a view last gave its widget's palette, so that the palette is rebuilt only
// when one of them changed.
class ShownColors {
public:
    // True (and remembered) when the pair differs from the one shown.
    bool differ(Color first, Color second);

private:
    bool shown_ = false;
    Color first_ = 0;
    Color second_ = 0;
};

}  // namespace ui::qt
