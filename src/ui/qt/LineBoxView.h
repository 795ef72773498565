// A single-line text box that gets its QLineEdit only when it needs one. Making a QLineEdit
// costs far more than painting one, and the board alone has 225 of them, nearly all empty and
// never touched in a session: building them all was most of the program's start-up.
//
// Until then this widget stands in its place and paints the empty box as the line edit would
// (the same panel, pixel for pixel). The editor, a LineTextBoxView, is made the moment the box
// has text, takes the keyboard focus, is reached by the mouse or a drag, or someone asks for
// the box's widget. It takes this widget's place in the stacking and the focus chain, and this
// widget hides for good; from then on every sync goes to the editor.
#pragma once

#include <QWidget>

#include "ui/TextBox.h"
#include "ui/qt/ControlBinding.h"
#include "ui/qt/TextBoxView.h"

namespace ui::qt {

class LineBoxView : public QWidget, public BoundTo<TextBox> {
public:
    LineBoxView(TextBox& model, FormRegistry& registry, Scale scale, QWidget* parent);

    void sync() override;
    void detach() override;
    // The box's real widget: the editor, made now if it is not there yet (once detached, no
    // editor is made).
    QObject* object() override;

    // Made on the first call, which needs the model still attached. A focus this widget holds
    // passes to the editor for the reason given.
    LineTextBoxView& editor(Qt::FocusReason focusReason = Qt::OtherFocusReason);
    bool hasEditor() const { return editor_ != nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;

private:
    // A mouse event that reached this widget after the editor took over (the press that made
    // it, and the moves and release that Qt sends to the pressed widget) goes on to the editor.
    void forward(QMouseEvent* event);

    LineTextBoxView* editor_ = nullptr;
    ShownColors colors_;
    bool readOnly_ = false;
    int shownCandidates_ = -1;
};

}  // namespace ui::qt
