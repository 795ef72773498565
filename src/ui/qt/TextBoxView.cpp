#include "ui/qt/TextBoxView.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTextCursor>
#include <cmath>
#include <type_traits>

#include "ui/UserInput.h"

namespace ui::qt {

int KeyAsciiOf(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Backspace: return 8;
        case Qt::Key_Return:
        case Qt::Key_Enter: return 13;
        case Qt::Key_Escape: return 27;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Delete: return 0;
        default: break;
    }
    QList<uint> codes = event.text().toUcs4();
    if (codes.isEmpty() || codes.front() == 127) return 0;
    return static_cast<int>(codes.front());
}

int MouseButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton: return kLeftButton;
        case Qt::RightButton: return kRightButton;
        case Qt::MiddleButton: return kMiddleButton;
        default: return 0;
    }
}

namespace {

QString CharacterText(int code) {
    char32_t c = static_cast<char32_t>(code);
    return QString::fromUcs4(&c, 1);
}

Qt::Alignment HorizontalAlignment(Alignment a) {
    switch (a) {
        case Alignment::Right: return Qt::AlignRight;
        case Alignment::Center: return Qt::AlignHCenter;
        case Alignment::Left: break;
    }
    return Qt::AlignLeft;
}

}  // namespace

template <typename Editor>
TextBoxView<Editor>::TextBoxView(TextBox& model, FormRegistry& registry, Scale scale, QWidget* parent)
    : Editor(parent), BoundTo<TextBox>(model, registry, scale) {
    this->setObjectName(ToQString(model.path()));
    if constexpr (std::is_same_v<Editor, QLineEdit>) {
        QObject::connect(this, &QLineEdit::textEdited, this, [this] { writeBack(); });
    } else {
        this->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        this->document()->setDocumentMargin(1);
        // Programmatic changes happen with signals blocked: what arrives here is the user's.
        QObject::connect(this, &QPlainTextEdit::textChanged, this, [this] { writeBack(); });
    }
    sync();
}

template <typename Editor>
QString TextBoxView<Editor>::widgetText() const {
    if constexpr (std::is_same_v<Editor, QLineEdit>) {
        return this->text();
    } else {
        // The model keeps line breaks as CR LF.
        QString text = this->toPlainText();
        text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
        return text;
    }
}

template <typename Editor>
void TextBoxView<Editor>::setWidgetText(const QString& text) {
    if constexpr (std::is_same_v<Editor, QLineEdit>) {
        this->setText(text);
    } else {
        QString plain = text;
        plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        this->setPlainText(plain);
    }
}

template <typename Editor>
void TextBoxView<Editor>::sync() {
    if (!model_) return;
    QSignalBlocker block(this);
    SyncCommon(*this, *model_, scale_);
    QString text = ToQString(model_->text());
    if (widgetText() != text) setWidgetText(text);

    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, ToQColor(model_->backColor(), palette));
    palette.setColor(QPalette::Text, ToQColor(model_->foreColor(), palette));
    if (palette != this->palette()) this->setPalette(palette);
    this->setReadOnly(model_->locked());
    SyncFont(*this, model_->fontSize(), model_->fontBold());

    Qt::Alignment align = HorizontalAlignment(model_->alignment());
    if constexpr (std::is_same_v<Editor, QLineEdit>) {
        if (this->alignment() != (align | Qt::AlignVCenter)) this->setAlignment(align | Qt::AlignVCenter);
        // The line edit centres the font's whole line, whose ascent in the CJK font is far
        // larger than its descent: lift the text so that digits and kana sit in the middle.
        QFontMetricsF metrics(this->font());
        int lift = static_cast<int>(std::lround(metrics.ascent() - metrics.descent() - metrics.capHeight()));
        if (this->textMargins().top() != -lift) this->setTextMargins(0, -lift, 0, 0);
    } else {
        QTextOption option = this->document()->defaultTextOption();
        if (option.alignment() != align) {
            option.setAlignment(align);
            this->document()->setDefaultTextOption(option);
        }
    }
}

template <typename Editor>
void TextBoxView<Editor>::keyPressEvent(QKeyEvent* event) {
    if (!model_) return event->accept();  // the window is going away
    int key = KeyAsciiOf(*event);
    if (key == 0) return Editor::keyPressEvent(event);
    int result = PressKey(registry_, *model_, key);
    // The handler may have unloaded the window, or dropped the key.
    if (!model_ || result == 0) return event->accept();
    if (result == key) return Editor::keyPressEvent(event);
    event->accept();
    applyKey(result);
}

template <typename Editor>
void TextBoxView<Editor>::applyKey(int keyAscii) {
    if (this->isReadOnly() || (keyAscii != 8 && keyAscii < 32)) return;
    if constexpr (std::is_same_v<Editor, QLineEdit>) {
        if (keyAscii == 8) this->backspace();
        else this->insert(CharacterText(keyAscii));
    } else {
        QTextCursor cursor = this->textCursor();
        if (keyAscii == 8) cursor.deletePreviousChar();
        else cursor.insertText(CharacterText(keyAscii));
        this->setTextCursor(cursor);
    }
    writeBack();
}

template <typename Editor>
void TextBoxView<Editor>::inputMethodEvent(QInputMethodEvent* event) {
    if (!model_) return event->accept();
    if (event->commitString().isEmpty()) return Editor::inputMethodEvent(event);
    // Text composed by an input method: every character goes through KeyPress like a key.
    QString accepted;
    for (uint code : event->commitString().toUcs4()) {
        int result = PressKey(registry_, *model_, static_cast<int>(code));
        if (!model_) return event->accept();
        if (result >= 32) accepted += CharacterText(result);
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(accepted, event->replacementStart(), event->replacementLength());
    Editor::inputMethodEvent(&filtered);
}

template <typename Editor>
void TextBoxView<Editor>::mousePressEvent(QMouseEvent* event) {
    if (!model_) return event->accept();
    if (int button = MouseButtonOf(event->button())) {
        QPointF at = event->position();
        MouseDown(registry_, *model_, button, scale_.twips(at.x()), scale_.twips(at.y()));
        if (!model_) return event->accept();
    }
    Editor::mousePressEvent(event);
}

template <typename Editor>
void TextBoxView<Editor>::writeBack() {
    if (model_) EditText(registry_, *model_, ToUtf8(widgetText()));
}

template class TextBoxView<QLineEdit>;
template class TextBoxView<QPlainTextEdit>;

}  // namespace ui::qt
