// The link between one model control and the Qt object that shows it. The window view calls
// sync() whenever the control changed, and detach() when the control is about to go away;
// after that the Qt object ignores the user and never touches the model again.
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
    // so that nothing echoes back to the model as a user's action.
    virtual void sync() = 0;
    virtual void detach() = 0;
    // The widget or action that shows the control.
    virtual QObject* object() = 0;
};

// A binding to a control of type M; user input goes through the registry's event scopes.
template <typename M>
class BoundTo : public ControlBinding {
public:
    BoundTo(M& model, FormRegistry& registry, Scale scale) : model_(&model), registry_(registry), scale_(scale) {}
    void detach() override { model_ = nullptr; }

protected:
    M* model_;  // null once detached
    FormRegistry& registry_;
    Scale scale_;
};

// Geometry, visibility and enabled state of a control's widget.
void SyncCommon(QWidget& widget, const Control& control, const Scale& scale);
// Sets the font only when it differs (a font change re-lays out the widget).
void SyncFont(QWidget& widget, int points, bool bold);

}  // namespace ui::qt
