#include "ui/qt/FormView.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QImage>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMoveEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <utility>

#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/FormRegistry.h"
#include "ui/ImageCombo.h"
#include "ui/Label.h"
#include "ui/Placement.h"
#include "ui/ProgressBar.h"
#include "ui/Surface.h"
#include "ui/TextBox.h"
#include "ui/UpDown.h"
#include "ui/UserInput.h"
#include "ui/qt/ButtonViews.h"
#include "ui/qt/ImageComboView.h"
#include "ui/qt/KeyChords.h"
#include "ui/qt/LabelView.h"
#include "ui/qt/LineBoxView.h"
#include "ui/qt/MenuItemView.h"
#include "ui/qt/PictureBoxView.h"
#include "ui/qt/ProgressBarView.h"
#include "ui/qt/ScreenFit.h"
#include "ui/qt/SurfaceView.h"
#include "ui/qt/TextBoxView.h"
#include "ui/qt/UpDownView.h"

namespace ui::qt {
namespace {

// Posted to a window view once per batch of model changes; syncs what they left dirty.
const QEvent::Type kFlushEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

// The client area: the window's background colour, then the Surface lines, then the controls.
// A repaint of a few cells needs the background under them only, but drawing the wide round-
// ended lines costs the same whether clipped or not: the background is drawn once into an
// image, copied from then on, and drawn anew when the lines, colours or size change.
class FormCanvas : public QWidget {
public:
    explicit FormCanvas(FormView& owner) : QWidget(&owner), owner_(owner) {
        setObjectName(QStringLiteral("client"));
        setAutoFillBackground(true);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        const QBrush& fill = palette().brush(backgroundRole());
        // The copy stands for the fill exactly only when the fill is one opaque colour.
        if (fill.style() != Qt::SolidPattern || fill.color().alpha() != 255 || devicePixelRatioF() != 1.0) {
            owner_.paintSurfaces(painter, event->region());
            return;
        }
        std::vector<SurfaceLine> lines = owner_.shownSurfaceLines();
        if (background_.size() != size() || paletteKey_ != palette().cacheKey() || lines != lines_) {
            background_ = QImage(size(), QImage::Format_RGB32);
            background_.fill(fill.color());
            QPainter imagePainter(&background_);
            owner_.paintSurfaces(imagePainter, QRegion(rect()));
            paletteKey_ = palette().cacheKey();
            lines_ = std::move(lines);
        }
        // In strips of a few rows: Qt hands a taller copy to worker threads, and waiting for
        // them costs more than the copy itself.
        for (const QRect& area : event->region()) {
            for (int top = area.top(); top <= area.bottom(); top += kStripRows) {
                QRect strip(area.left(), top, area.width(), std::min(kStripRows, area.bottom() + 1 - top));
                painter.drawImage(strip.topLeft(), background_, strip);
            }
        }
    }

private:
    static constexpr int kStripRows = 16;
    FormView& owner_;
    QImage background_;
    qint64 paletteKey_ = 0;
    std::vector<SurfaceLine> lines_;  // the lines in the image
};

// A font at a factor of its size.
QFont Scaled(QFont font, double factor) {
    if (font.pointSizeF() > 0) font.setPointSizeF(font.pointSizeF() * factor);
    else if (font.pixelSize() > 0) font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * factor))));
    return font;
}

// The height of a menu bar in the application's font at a factor, measured once per font and
// factor: the fit needs it before the window's own menu bar exists.
int MenuBarHeight(double factor) {
    static std::map<std::pair<QString, long>, int> heights;
    const QFont font = Scaled(QApplication::font(), factor);
    auto [entry, fresh] = heights.try_emplace({font.key(), std::lround(factor * 1000)}, 0);
    if (fresh) {
        QMenuBar probe;
        probe.setFont(font);
        probe.addAction(QStringLiteral("ファイル"));
        entry->second = probe.sizeHint().height();
    }
    return entry->second;
}

// The frame a window manager last gave one of the program's windows; before one has been seen,
// room for a title bar is assumed.
QMargins& SeenFrame() {
    static QMargins frame;
    return frame;
}
const QMargins kFrameGuess(2, 38, 2, 2);

}  // namespace

FormView::FormView(Form& form, FormRegistry& registry, double zoom)
    : form_(&form), registry_(registry), scale_(Scale::Of(*this)), canvas_(new FormCanvas(*this)), zoom_(zoom) {
    setObjectName(ToQString(form.name()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The window takes exactly the size of its menu bar and client area.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(canvas_);
    // A window that accompanies another leaves the keyboard where it was when it opens: the
    // user goes on typing on the board with the hint beside it.
    if (form.beside()) setAttribute(Qt::WA_ShowWithoutActivating);
    changedToken_ = form.changed.connect([this] { markFormDirty(); });
    refreshToken_ = form.refreshRequested.connect([this] { refresh(); });
    // A hidden window gets its control widgets when it is shown (syncForm) or asked for them.
    syncForm();
}

void FormView::ensureBuilt() {
    if (built_ || !form_) return;
    built_ = true;
    build();
    // Every control starts dirty.
    syncDirtyControls();
}

FormView::~FormView() {
    disconnectModel();
    // The control widgets go before the bindings list they are registered in.
    delete menuBar_;
    delete canvas_;
}

void FormView::build() {
    for (Control* control : form_->controls()) {
        ControlBinding* binding = nullptr;
        if (auto* box = dynamic_cast<TextBox*>(control)) {
            if (box->multiLine()) binding = new MultiLineTextBoxView(*box, registry_, scale_, canvas_);
            else binding = new LineBoxView(*box, registry_, scale_, canvas_);
        } else if (auto* label = dynamic_cast<Label*>(control)) {
            binding = new LabelView(*label, registry_, scale_, canvas_);
        } else if (auto* check = dynamic_cast<CheckBox*>(control)) {
            binding = new CheckBoxView(*check, registry_, scale_, canvas_);
        } else if (auto* option = dynamic_cast<OptionButton*>(control)) {
            binding = new OptionButtonView(*option, registry_, scale_, canvas_);
        } else if (auto* button = dynamic_cast<CommandButton*>(control)) {
            binding = new CommandButtonView(*button, registry_, scale_, canvas_);
        } else if (auto* combo = dynamic_cast<ImageCombo*>(control)) {
            binding = new ImageComboView(*combo, registry_, scale_, canvas_);
        } else if (auto* spinner = dynamic_cast<UpDown*>(control)) {
            binding = new UpDownView(*spinner, registry_, scale_, canvas_);
        } else if (auto* bar = dynamic_cast<ProgressBar*>(control)) {
            binding = new ProgressBarView(*bar, registry_, scale_, canvas_);
        } else if (auto* picture = dynamic_cast<PictureBox*>(control)) {
            binding = new PictureBoxView(*picture, registry_, scale_, canvas_);
        } else if (auto* surface = dynamic_cast<Surface*>(control)) {
            auto* view = new SurfaceView(*surface, registry_, scale_, canvas_);
            surfaces_.push_back(view);
            binding = view;
        }
        // Menu items are built together below, as they depend on each other.
        if (binding) watch(*control, *binding);
    }
    buildMenus();
}

void FormView::watch(Control& control, ControlBinding& binding) {
    size_t entry = entries_.size();
    int token = control.changed.connect([this, entry] { markDirty(entry); });
    entries_.push_back({&control, &binding, token, true});
    dirty_.push_back(entry);
}

void FormView::buildMenus() {
    std::vector<MenuItem*> items;
    std::set<std::string> parents;
    for (Control* control : form_->controls()) {
        if (auto* item = dynamic_cast<MenuItem*>(control)) {
            items.push_back(item);
            if (!item->parentMenu().empty()) parents.insert(item->parentMenu());
        }
    }
    if (items.empty()) return;
    menuBar_ = new QMenuBar(this);
    layout()->setMenuBar(menuBar_);
    std::map<std::string, MenuItemView*> menus;
    for (MenuItem* item : items) {
        bool hasItems = parents.count(item->name()) > 0;
        auto* view = new MenuItemView(*item, registry_, hasItems, this);
        if (hasItems) {
            // A drop-down menu is a window of its own: it takes the window's font by hand.
            menus_.push_back(view->itemMenu());
            if (scale_.factor() != 1.0) view->itemMenu()->setFont(font());
        }
        if (hasItems && !menus.count(item->name())) menus[item->name()] = view;
        auto parent = menus.find(item->parentMenu());
        if (item->parentMenu().empty() || parent == menus.end()) menuBar_->addAction(view);
        else parent->second->itemMenu()->addAction(view);
        watch(*item, *view);
        // Opening a menu is its item's Click, which may change the items about to be shown:
        // this runs after the view's own Click connection, before the menu appears.
        if (hasItems) QObject::connect(view->itemMenu(), &QMenu::aboutToShow, this, [this] { flush(); });
    }
}

void FormView::markDirty(size_t entry) {
    Entry& e = entries_[entry];
    if (e.dirty) return;
    e.dirty = true;
    dirty_.push_back(entry);
    postFlush();
}

void FormView::markFormDirty() {
    formDirty_ = true;
    postFlush();
}

void FormView::postFlush() {
    if (flushPosted_) return;
    flushPosted_ = true;
    QCoreApplication::postEvent(this, new QEvent(kFlushEvent));
}

void FormView::syncDirtyControls() {
    // By index: should a sync ever lead to a model change, its entry is appended and synced too.
    for (size_t i = 0; i < dirty_.size(); ++i) {
        Entry& e = entries_[dirty_[i]];
        e.dirty = false;
        e.binding->sync();
        ++controlSyncs_;
    }
    dirty_.clear();
}

void FormView::flush() {
    if (!form_) return;
    // Widgets not built yet are built in step when someone asks for them.
    if (built_) syncDirtyControls();
    if (formDirty_) syncForm();
}

void FormView::refresh() {
    // A hidden window is brought up to date when it is shown.
    if (!form_->visible()) return;
    // Within a frame of the last repaint the screen would not show this state: the changes
    // wait, dirty, for the flush they posted (the event loop's) or for a Refresh that is due.
    if (isVisible() && !repaintDue()) return;
    flush();
    // Paint now all that the flush (or anything before it) marked for repainting: the widgets'
    // updates wait in one update request posted to this window. The rest of the window
    // already shows the model, so repainting only this is the same to the eye, and far cheaper
    // than repainting every control.
    if (isVisible()) QCoreApplication::sendPostedEvents(this, QEvent::UpdateRequest);
}

bool FormView::repaintDue() const {
    if (!pacedRefresh_ || repaints_ == 0) return true;
    return std::chrono::steady_clock::now() - lastRepaint_ >= frameInterval();
}

std::chrono::nanoseconds FormView::frameInterval() const {
    constexpr double kFastest = 60.0;  // frames a second
    const QScreen* shown = screen();
    const double rate = shown && shown->refreshRate() > 0 ? std::min(shown->refreshRate(), kFastest) : kFastest;
    return std::chrono::nanoseconds(std::llround(1e9 / rate));
}

bool FormView::event(QEvent* event) {
    if (event->type() == QEvent::UpdateRequest) {
        // The widgets' repaints, whether Refresh or the event loop delivers them: a frame
        // starts.
        lastRepaint_ = std::chrono::steady_clock::now();
        ++repaints_;
    }
    if (event->type() != kFlushEvent) return QWidget::event(event);
    flushPosted_ = false;
    if (form_) {
        // The controls of a hidden window wait until it is shown (see showEvent).
        if (form_->visible()) syncDirtyControls();
        if (formDirty_) syncForm();
    }
    return true;
}

void FormView::showEvent(QShowEvent* event) {
    ensureBuilt();
    if (form_) syncDirtyControls();
    QWidget::showEvent(event);
}

void FormView::syncForm() {
    if (!form_) return;
    formDirty_ = false;
    setWindowTitle(ToQString(form_->caption()));
    QPalette palette = canvas_->palette();
    palette.setColor(QPalette::Window, ToQColor(form_->backColor(), palette));
    if (palette != canvas_->palette()) canvas_->setPalette(palette);
    const bool visible = form_->visible();
    if (visible) {
        // The factor first, so that the widgets are built at the window's size.
        fitToScreen();
        ensureBuilt();
    }
    QSize client(scale_.px(form_->width()), scale_.px(form_->height()));
    if (canvas_->size() != client) canvas_->setFixedSize(client);
    if (visible) place();
    setVisible(visible);
}

void FormView::setZoom(double zoom) {
    zoom_ = zoom;
    refit();
}

void FormView::refit() {
    if (!form_ || !form_->visible()) return;
    formDirty_ = true;
    flush();
}

void FormView::fitToScreen() {
    const Scale natural = scale_.withFactor(1.0);
    QScreen* screen = screenAt(placed_ ? pos() : QPoint(natural.px(form_->left()), natural.px(form_->top())));
    if (!screen) return;
    const QSize client(natural.px(form_->width()), natural.px(form_->height()));
    const QRect area = screen->availableGeometry();
    if (area != fittedArea_) {
        // A pixel less each way: the scaled client area's edges are rounded.
        fittedArea_ = area;
        fittedRoom_ = area.marginsRemoved(frameAllowance()).size() - QSize(1, 1);
    }
    const QSize room = fittedRoom_;
    const int menu = hasMenus() ? MenuBarHeight(1.0) : 0;
    const double readable = ReadableFactor(scale_.dpi(), screen->devicePixelRatio());
    double factor = WindowFactor(FitFactor(client + QSize(0, menu), room), zoom_, readable);
    if (menu > 0 && factor != 1.0 && client.height() > 0) {
        // The menu bar does not scale exactly with its font: the client area gets what it leaves.
        const int shown = MenuBarHeight(factor);
        if (client.height() * factor + shown > room.height()) {
            factor = std::max(readable, static_cast<double>(room.height() - shown) / client.height());
        }
    }
    setFactor(factor);
}

void FormView::setFactor(double factor) {
    if (factor == scale_.factor()) return;
    scale_ = scale_.withFactor(factor);
    // The widgets that take the window's font (buttons, lists, the menu bar) follow it; at 1
    // the window takes the application's font again.
    const QFont font = factor == 1.0 ? QFont() : Scaled(QApplication::font(), factor);
    setFont(font);
    for (QMenu* menu : menus_) menu->setFont(font);
    for (size_t i = 0; i < entries_.size(); ++i) {
        Entry& entry = entries_[i];
        entry.binding->rescale(scale_);
        if (entry.dirty) continue;
        entry.dirty = true;
        dirty_.push_back(i);
    }
    if (built_) syncDirtyControls();
}

namespace {

Rect ToRect(const QRect& r) { return {r.left(), r.top(), r.width(), r.height()}; }

}  // namespace

std::optional<QPoint> FormView::besidePlace() {
    const auto& beside = form_->beside();
    if (!beside) return std::nullopt;
    FormView* owner = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* view = dynamic_cast<FormView*>(w);
        if (view && view != this && view->isVisible() && view->form_ && view->form_->name() == beside->owner) owner = view;
    }
    QScreen* screen = owner ? owner->screen() : nullptr;
    if (!screen) return std::nullopt;
    const Scale& s = owner->scale_;
    const Rect& clear = beside->keepClear;
    const QPoint clearAt = owner->canvas_->mapToGlobal(QPoint(s.px(clear.left), s.px(clear.top)));
    const QRect keepClear(clearAt, QSize(s.px(clear.width), s.px(clear.height)));
    const QRect ownerFrame = owner->geometry().marginsAdded(owner->frameAllowance());
    layout()->activate();
    const QSize frame = size().grownBy(frameAllowance());
    const Point at = PlaceBeside(ToRect(screen->availableGeometry()), ToRect(ownerFrame), ToRect(keepClear), frame.width(),
                                 frame.height());
    return QPoint(at.x, at.y);
}

void FormView::place() {
    // A window that accompanies another is placed beside it whenever it is shown, and stays
    // where the user moves it while it is shown.
    if (form_->beside() && (!isVisible() || !movedAway_)) {
        if (std::optional<QPoint> at = besidePlace()) {
            movedAway_ = false;
            placed_ = true;
            placedAt_ = *at;
            placedLeft_ = form_->left();
            placedTop_ = form_->top();
            if (pos() != *at) move(*at);
            return;
        }
    }
    // A window moved away stays where it is (inside the screen), unless the program places it anew.
    const bool modelMoved = !placed_ || form_->left() != placedLeft_ || form_->top() != placedTop_;
    const QPoint wanted = modelMoved || !movedAway_ ? QPoint(scale_.px(form_->left()), scale_.px(form_->top())) : pos();
    QPoint at = wanted;
    if (QScreen* screen = screenAt(wanted)) {
        // The window's size, menu bar included, as it is about to be shown.
        layout()->activate();
        at = PlaceInside(QRect(wanted, size().grownBy(frameAllowance())), screen->availableGeometry());
    }
    if (modelMoved) movedAway_ = false;
    placed_ = true;
    placedAt_ = at;
    placedLeft_ = form_->left();
    placedTop_ = form_->top();
    // A shown window reports its new position later, through moveEvent.
    if (pos() != at) move(at);
}

void FormView::moveEvent(QMoveEvent* event) {
    if (placed_ && pos() != placedAt_) movedAway_ = true;
    QWidget::moveEvent(event);
}

QScreen* FormView::screenAt(QPoint point) const {
    if (QScreen* screen = QGuiApplication::screenAt(point)) return screen;
    return screen();
}

QMargins FormView::frameAllowance() const {
    if (isVisible()) {
        const QRect frame = frameGeometry();
        const QRect inner = geometry();
        const QMargins own(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                           frame.bottom() - inner.bottom());
        if (!own.isNull()) SeenFrame() = own;
    }
    return SeenFrame().isNull() ? kFrameGuess : SeenFrame();
}

bool FormView::hasMenus() const {
    if (built_) return menuBar_ != nullptr;
    const auto& controls = form_->controls();
    return std::any_of(controls.begin(), controls.end(), [](Control* c) { return dynamic_cast<MenuItem*>(c) != nullptr; });
}

QMenuBar* FormView::menuBar() {
    ensureBuilt();
    return menuBar_;
}

QObject* FormView::viewOf(const Control& control) {
    ensureBuilt();
    for (const Entry& entry : entries_) {
        if (entry.control == &control) return entry.binding->object();
    }
    return nullptr;
}

QWidget* FormView::widgetOf(const Control& control) {
    QObject* view = viewOf(control);
    return view && view->isWidgetType() ? static_cast<QWidget*>(view) : nullptr;
}

QPixmap FormView::snapshot() {
    ensureBuilt();
    flush();
    // A window that was never shown still needs its size worked out.
    layout()->activate();
    return grab();
}

void FormView::paintSurfaces(QPainter& painter, const QRegion& area) const {
    for (const SurfaceView* surface : surfaces_) surface->paint(painter, area);
}

std::vector<SurfaceLine> FormView::shownSurfaceLines() const {
    std::vector<SurfaceLine> lines;
    for (const SurfaceView* surface : surfaces_) {
        const Surface* model = surface->model();
        if (model && model->visible()) lines.insert(lines.end(), model->lines().begin(), model->lines().end());
    }
    return lines;
}

void FormView::keyPressEvent(QKeyEvent* event) {
    auto chord = ChordOf(*event);
    if (form_ && chord && KeyDown(registry_, registry_.focus(), *chord)) return event->accept();
    QWidget::keyPressEvent(event);
}

Control* FormView::controlOf(const QWidget* widget) const {
    // Every control's widget is named by the control's path (a line box and its editor alike).
    for (; widget && widget != this; widget = widget->parentWidget()) {
        if (widget->objectName().isEmpty()) continue;
        for (const Entry& entry : entries_) {
            if (ToQString(entry.control->path()) == widget->objectName()) return entry.control;
        }
    }
    return nullptr;
}

void FormView::closeEvent(QCloseEvent* event) {
    // The model decides: it may cancel, or unload the window (which then hides and destroys
    // this view).
    event->ignore();
    if (form_) CloseWindow(registry_, *form_);
}

void FormView::disconnectModel() {
    if (!form_) return;
    form_->changed.disconnect(changedToken_);
    form_->refreshRequested.disconnect(refreshToken_);
    for (const Entry& entry : entries_) entry.control->changed.disconnect(entry.token);
    form_ = nullptr;
}

void FormView::detach() {
    disconnectModel();
    for (const Entry& entry : entries_) entry.binding->detach();
    entries_.clear();
    dirty_.clear();
    surfaces_.clear();
}

}  // namespace ui::qt
