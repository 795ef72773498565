// The view of one window, built from the Form's control registry: a top-level widget with a
// menu bar (when the window has menu items) over the client area, whose child widgets mirror
// the controls and whose background carries the Surface lines. It mirrors the window's
// caption, position, client size, colour and visibility, repaints on Refresh() (at most once
// a screen frame), and hands the close box to the model.
//
// A model change only marks its control's view dirty. Dirty views are synced together: when
// the window is refreshed, when control returns to the event loop (one posted flush per
// batch of changes), and by flush() before anyone reads the widgets. A hidden window's
// controls stay dirty until it is shown.
//
// A command may call Refresh() a hundred times in a few milliseconds, more often than a
// screen shows a frame. A Refresh that comes a frame or more after the window last repainted
// syncs and repaints at once; one that comes sooner leaves its changes to the flush already
// posted, so they are painted by the first Refresh once the frame is due, or when control
// returns to the event loop, whichever comes first. The last state is always painted.
//
// The control widgets of a window created hidden are built when it is first shown, or when
// someone asks for them (viewOf, widgetOf, menuBar, snapshot): most of the program's windows
// start hidden, and building their hundreds of widgets was most of the start-up.
//
// A shown window fits its screen: when it is larger than the screen's free area it is scaled
// down, geometry and fonts together (no further than text stays readable), then zoomed by the
// user's zoom, and its frame is kept inside the free area. The factor is worked out before
// the widgets are built, so a window that opens scaled is built once, at its size.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <chrono>
#include <cstddef>
#include <optional>
#include <vector>

#include "ui/Surface.h"
#include "ui/qt/ControlBinding.h"

class QMenu;
class QMenuBar;
class QScreen;

namespace ui {
class Control;
class Form;
class FormRegistry;
}  // namespace ui

namespace ui::qt {

class SurfaceView;

class FormView : public QWidget {
public:
    FormView(Form& form, FormRegistry& registry, double zoom = 1.0);
    ~FormView() override;
    FormView(const FormView&) = delete;
    FormView& operator=(const FormView&) = delete;

    // The window shown; null once detached.
    Form* form() const { return form_; }
    // Stops mirroring and ignores the user from now on: the window is about to be destroyed.
    void detach();

    // The client area (the window's Width x Height), parent of the control widgets.
    QWidget* canvas() const { return canvas_; }
    // Null when the window has no menu items.
    QMenuBar* menuBar();
    // The widget (or, for a menu item, the action) that shows the control; null if none.
    QObject* viewOf(const Control& control);
    QWidget* widgetOf(const Control& control);
    // True once the control widgets exist.
    bool built() const { return built_; }
    // The control a widget of this window shows (or lies inside); null for none.
    Control* controlOf(const QWidget* widget) const;
    // Twips to pixels for this window, its factor (fit and zoom) included.
    const Scale& scale() const { return scale_; }

    // The user's zoom (1: the fitted size). A shown window is fitted and placed again at once.
    void setZoom(double zoom);
    double zoom() const { return zoom_; }
    // Fits a shown window to its screen again (the screen's free area changed).
    void refit();

    // Brings every widget of the window in step with the model now, shown or hidden.
    void flush();
    // How many control views have been synced so far (tests and benchmarks watch it).
    long controlSyncs() const { return controlSyncs_; }
    // How many times the window has repainted its widgets so far, on Refresh or from the event
    // loop (tests and benchmarks watch it).
    long repaints() const { return repaints_; }

    // Whether Refresh() repaints at most once a screen frame (the default) or at every call.
    void setPacedRefresh(bool paced) { pacedRefresh_ = paced; }
    // The least time between two repaints on Refresh(): one frame of the window's screen, no
    // shorter than a frame at 60 Hz.
    std::chrono::nanoseconds frameInterval() const;

    // The window as it is shown: menu bar and client area (flushed first).
    QPixmap snapshot();

    // Paints the Surface lines within `area`; the client area calls it after filling its
    // background.
    void paintSurfaces(QPainter& painter, const QRegion& area) const;
    // The lines of the visible Surfaces, in drawing order.
    std::vector<SurfaceLine> shownSurfaceLines() const;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Keys no widget took (a button has the focus, or nothing has): the program's shortcuts.
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct Entry {
        Control* control;
        ControlBinding* binding;
        int token;
        bool dirty;
    };
    // Builds the control widgets, in step with the model, unless they exist.
    void ensureBuilt();
    void build();
    void buildMenus();
    void watch(Control& control, ControlBinding& binding);
    void markDirty(size_t entry);
    void markFormDirty();
    void postFlush();
    void syncDirtyControls();
    void syncForm();
    // Works out the factor for the screen the window is on and applies it.
    void fitToScreen();
    void setFactor(double factor);
    // Moves the shown window to where the model places it (or the user left it), inside the
    // screen's free area.
    void place();
    // Where a window that accompanies another stands (Form::beside), while that one is shown.
    std::optional<QPoint> besidePlace();
    QScreen* screenAt(QPoint point) const;
    // What the window manager adds around the window (a guess until a frame has been seen).
    QMargins frameAllowance() const;
    bool hasMenus() const;
    void refresh();
    // True when a Refresh() now should repaint at once.
    bool repaintDue() const;
    void disconnectModel();

    Form* form_;
    FormRegistry& registry_;
    Scale scale_;
    QWidget* canvas_;
    QMenuBar* menuBar_ = nullptr;
    std::vector<QMenu*> menus_;  // the drop-down menus, top-level widgets of their own
    std::vector<Entry> entries_;
    std::vector<size_t> dirty_;  // entries marked dirty, in the order they changed
    bool formDirty_ = true;  // the window's own properties; dirty until first synced
    bool flushPosted_ = false;
    bool built_ = false;
    long controlSyncs_ = 0;
    std::vector<SurfaceView*> surfaces_;
    double zoom_;
    // The room the window was first fitted into on a screen's free area: it is fitted into the
    // same room while that area stays, so that a frame learnt once the window is shown does not
    // change its size at the same zoom (Ctrl+0 gives back the size it opened with).
    QRect fittedArea_;
    QSize fittedRoom_;
    // Where the window was last placed, from which model position, and whether it has been
    // moved away since the program last placed it (by the user or the window manager).
    bool placed_ = false;
    bool movedAway_ = false;
    QPoint placedAt_;
    int placedLeft_ = 0;
    int placedTop_ = 0;
    int changedToken_ = 0;
    int refreshToken_ = 0;
    bool pacedRefresh_ = true;
    // When the window last handled its widgets' repaints; none before the first.
    std::chrono::steady_clock::time_point lastRepaint_{};
    long repaints_ = 0;
};

}  // namespace ui::qt
