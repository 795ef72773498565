#include "ui/qt/LineBoxView.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFrame>

#include "ui/qt/CandidateDigits.h"
#include "ui/qt/PanelCacheStyle.h"

namespace ui::qt {

LineBoxView::LineBoxView(TextBox& model, FormRegistry& registry, Scale scale, QWidget* parent)
    : QWidget(parent), BoundTo<TextBox>(model, registry, scale) {
    setObjectName(ToQString(model.path()));
    // Reached like a line edit: by Tab and by click, with the text cursor's shape, by drops.
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setCursor(Qt::IBeamCursor);
    setAcceptDrops(true);
}

void LineBoxView::sync() {
    if (!model_) return;
    if (editor_) return editor_->sync();
    // Blanks paint nothing: a box of blanks (as the board's empty cells hold) looks empty.
    if (model_->text().find_first_not_of(' ') != std::string::npos) {
        editor();
        return;
    }
    SyncCommon(*this, *model_, scale_);
    SyncBoxColors(*this, *model_, colors_);
    if (readOnly_ != model_->locked() || shownCandidates_ != ShownCandidates(*model_)) {
        readOnly_ = model_->locked();
        shownCandidates_ = ShownCandidates(*model_);
        update();
    }
}

void LineBoxView::detach() {
    BoundTo<TextBox>::detach();
    if (editor_) editor_->detach();
}

void LineBoxView::rescale(const Scale& scale) {
    BoundTo<TextBox>::rescale(scale);
    if (editor_) editor_->rescale(scale);
}

QObject* LineBoxView::object() {
    if (!model_ && !editor_) return this;
    return &editor();
}

LineTextBoxView& LineBoxView::editor(Qt::FocusReason focusReason) {
    if (editor_) return *editor_;
    editor_ = new LineTextBoxView(*model_, registry_, scale_, parentWidget());
    // In this widget's place: under whatever lies above it, and next in the focus chain.
    editor_->stackUnder(this);
    QWidget::setTabOrder(this, editor_);
    editor_->sync();
    if (hasFocus()) editor_->setFocus(focusReason);
    setFocusPolicy(Qt::NoFocus);
    hide();
    return *editor_;
}

void LineBoxView::paintEvent(QPaintEvent*) {
    // What an empty line edit without the focus paints: its panel, nothing else, in the
    // editor's style (set on the editor only: giving every cell a style of its own is slow).
    QStyle* style = PanelCacheStyle::instance();
    QStyleOptionFrame option;
    option.initFrom(this);
    option.rect = contentsRect();
    option.lineWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    if (readOnly_) option.state |= QStyle::State_ReadOnly;
    option.features = QStyleOptionFrame::None;
    QPainter painter(this);
    style->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
    PaintCandidates(painter, contentsRect().adjusted(1, 1, -1, -1), shownCandidates_, palette().color(QPalette::Base));
}

void LineBoxView::focusInEvent(QFocusEvent* event) {
    if (!model_) return;
    // The editor takes the focus for the same reason (a Tab selects its text, a click does not).
    editor(event->reason());
}

void LineBoxView::enterEvent(QEnterEvent*) {
    // The mouse is about to press, drag or point here: the editor is in place before it does.
    if (model_) editor();
}

void LineBoxView::mousePressEvent(QMouseEvent* event) {
    if (model_) editor();
    forward(event);
}

void LineBoxView::mouseReleaseEvent(QMouseEvent* event) { forward(event); }

void LineBoxView::mouseMoveEvent(QMouseEvent* event) { forward(event); }

void LineBoxView::mouseDoubleClickEvent(QMouseEvent* event) { forward(event); }

void LineBoxView::dragEnterEvent(QDragEnterEvent* event) {
    // Refused here; the drag's next move finds the editor, which takes it as a line edit does.
    if (model_) editor();
    event->ignore();
}

void LineBoxView::forward(QMouseEvent* event) {
    if (!editor_) return event->ignore();
    // The editor lies exactly over this widget: the positions stay as they are.
    QMouseEvent copy(event->type(), event->position(), event->scenePosition(), event->globalPosition(), event->button(),
                     event->buttons(), event->modifiers(), event->pointingDevice());
    QCoreApplication::sendEvent(editor_, &copy);
    event->setAccepted(copy.isAccepted());
}

}  // namespace ui::qt
