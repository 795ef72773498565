// The zoom keys of the desktop program: Ctrl++ (and Ctrl+=, as most keyboards send it without
// Shift, and the keypad's +) zooms in, Ctrl+- out, Ctrl+0 back to the fitted size. They belong
// to the Qt layer: the model's shortcuts and the widgets never see them.
#pragma once

#include <QObject>
#include <functional>
#include <optional>

class QKeyEvent;
class QWidget;

namespace ui::qt {

enum class ZoomKey { In, Out, Reset };

std::optional<ZoomKey> ZoomKeyOf(const QKeyEvent& event);

// Catches the zoom keys, installed on the application, before any widget of the windows it
// serves handles them, whichever widget has the focus.
class ZoomKeyFilter : public QObject {
public:
    // `serves` tells whether a window is one of ours; `zoom` carries the key out.
    ZoomKeyFilter(std::function<bool(const QWidget& window)> serves, std::function<void(ZoomKey)> zoom);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<bool(const QWidget&)> serves_;
    std::function<void(ZoomKey)> zoom_;
};

}  // namespace ui::qt
