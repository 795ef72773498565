// A text box: QLineEdit, or a plain-text QTextEdit for a multi-line box (MultiLine is fixed
// when the view is built). Every key that gives a character first goes to the model's
// KeyPress; a dropped key never reaches the widget, an accepted one is applied by the widget,
// and the widget's new text is written back to the model, which fires Change.
//
// The windows were laid out for desktop fonts narrower and lower than the CJK font, so the
// text is fitted to the box: a line edit lifts its text so that digits and kana sit in the
// middle; a multi-line box sets its lines one em apart (the CJK font's own line height,
// almost 1.5 em, would push the third line out) and condenses a line too wide for the box
// (down to 80 %) before wrapping it.
#pragma once

#include <QLineEdit>
#include <QTextEdit>

#include "ui/TextBox.h"
#include "ui/qt/ControlBinding.h"

class QKeyEvent;

namespace ui::qt {

// The key code a key press gives to KeyPress: the character typed, 8 for backspace, 13 for
// Enter, 27 for Escape; 0 for keys that type nothing (arrows, Delete, Tab, function keys).
int KeyAsciiOf(const QKeyEvent& event);

// The mouse button as MouseDown reports it; 0 for other buttons.
int MouseButtonOf(Qt::MouseButton button);

// The box's colours in the widget's palette (Base behind the text, Text for it), set only
// when one of them changed since last shown.
void SyncBoxColors(QWidget& widget, const TextBox& model, ShownColors& shown);

template <typename Editor>
class TextBoxView : public Editor, public BoundTo<TextBox> {
public:
    TextBoxView(TextBox& model, FormRegistry& registry, Scale scale, QWidget* parent);

    void sync() override;
    QObject* object() override { return this; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // A single-line box draws its candidates over its empty panel.
    void paintEvent(QPaintEvent* event) override;

private:
    QString widgetText() const;
    void setWidgetText(const QString& text);
    // A key that the KeyPress handler replaced: applied here instead of the typed one.
    void applyKey(int keyAscii);
    bool textCursorHasSelection() const;
    void writeBack();
    // Multi-line box: the stretch at which the widest line fits the box's width.
    int fittingStretch() const;
    // Multi-line box: line pitch and alignment of every paragraph.
    void formatLines();

    ShownFont font_;
    ShownColors colors_;
    QString fittedText_;  // multi-line: the text the stretch was worked out for
    int stretch_ = 100;
    int shownCandidates_ = -1;
    int shownDiagonals_ = 0;
};

using LineTextBoxView = TextBoxView<QLineEdit>;
using MultiLineTextBoxView = TextBoxView<QTextEdit>;

}  // namespace ui::qt
