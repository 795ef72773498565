#include "ui/qt/TextBoxView.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QSignalBlocker>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cmath>
#include <type_traits>

#include "ui/FormRegistry.h"
#include "ui/Legibility.h"
#include "ui/UserInput.h"
#include "ui/qt/CandidateDigits.h"
#include "ui/qt/KeyChords.h"
#include "ui/qt/PanelCacheStyle.h"

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

// Pixels between a multi-line box's frame and its text.
constexpr int kDocumentMargin = 1;
// A line too wide for a multi-line box is condensed down to this stretch (percent), no further.
constexpr int kNarrowestStretch = 80;

// A diagonal through a cell: a thin grey line, half transparent, so that both the cell's
// colour and its digit still read.
void PaintDiagonals(QWidget& widget, int marks) {
    QPainter painter(&widget);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x50, 0x50, 0x50, 0xA0), std::max(1.5, widget.height() / 14.0)));
    const QRectF r = QRectF(widget.rect());
    if (marks & TextBox::kFalling) painter.drawLine(r.topLeft(), r.bottomRight());
    if (marks & TextBox::kRising) painter.drawLine(r.bottomLeft(), r.topRight());
}

}  // namespace

void SyncBoxColors(QWidget& widget, const TextBox& model, ShownColors& shown) {
    if (!shown.differ(model.backColor(), model.foreColor())) return;
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Base, ToQColor(model.backColor(), palette));
    // A coloured digit (an entry's blue, a repeat's red) keeps reading on any judgement colour.
    palette.setColor(QPalette::Text, ToQColor(LegibleOn(model.foreColor(), model.backColor()), palette));
    if (palette != widget.palette()) widget.setPalette(palette);
}

template <typename Editor>
TextBoxView<Editor>::TextBoxView(TextBox& model, FormRegistry& registry, Scale scale, QWidget* parent)
    : Editor(parent), BoundTo<TextBox>(model, registry, scale) {
    this->setObjectName(ToQString(model.path()));
    if constexpr (std::is_same_v<Editor, QLineEdit>) {
        QObject::connect(this, &QLineEdit::textEdited, this, [this] { writeBack(); });
        // The board repaints hundreds of cells a command: their panels are copied, not drawn.
        this->setStyle(PanelCacheStyle::instance());
    } else {
        this->setAcceptRichText(false);
        this->setLineWrapMode(QTextEdit::WidgetWidth);
        this->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        // A text box has no scroll bars of its own.
        this->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        this->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        this->document()->setDocumentMargin(kDocumentMargin);
        // Programmatic changes happen with signals blocked: what arrives here is the user's.
        QObject::connect(this, &QTextEdit::textChanged, this, [this] { writeBack(); });
    }
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
    const QRect oldGeometry = this->geometry();
    SyncCommon(*this, *model_, scale_);
    QString text = ToQString(model_->text());
    bool newText = widgetText() != text;
    if (newText) setWidgetText(text);

    SyncBoxColors(*this, *model_, colors_);
    if (this->isReadOnly() != model_->locked()) this->setReadOnly(model_->locked());
    if (shownCandidates_ != ShownCandidates(*model_)) {
        shownCandidates_ = ShownCandidates(*model_);
        this->update();
    }
    if (shownDiagonals_ != model_->diagonals()) {
        shownDiagonals_ = model_->diagonals();
        this->update();
    }

    Qt::Alignment align = HorizontalAlignment(model_->alignment());
    if constexpr (std::is_same_v<Editor, QLineEdit>) {
        bool newFont = font_.apply(*this, scale_, model_->fontSize(), model_->fontBold());
        if (this->alignment() != (align | Qt::AlignVCenter)) this->setAlignment(align | Qt::AlignVCenter);
        if (newFont) {
            // The line edit centres the font's whole line, whose ascent in the CJK font is far
            // larger than its descent: lift the text so that digits and kana sit in the middle.
            QFontMetricsF metrics(this->font());
            int lift = static_cast<int>(std::lround(metrics.ascent() - metrics.descent() - metrics.capHeight()));
            if (this->textMargins().top() != -lift) this->setTextMargins(0, -lift, 0, 0);
        }
    } else {
        // The fit depends on the text (the user's edits included), the font and the width only.
        bool resized = this->geometry().size() != oldGeometry.size();
        bool fontChanged = font_.apply(*this, scale_, model_->fontSize(), model_->fontBold(), stretch_);
        if (fontChanged || resized || this->toPlainText() != fittedText_) {
            fittedText_ = this->toPlainText();
            stretch_ = fittingStretch();
            fontChanged = font_.apply(*this, scale_, model_->fontSize(), model_->fontBold(), stretch_) || fontChanged;
        }
        QTextOption option = this->document()->defaultTextOption();
        bool aligned = option.alignment() == align;
        if (!aligned) {
            option.setAlignment(align);
            this->document()->setDefaultTextOption(option);
        }
        if (newText || fontChanged || !aligned) formatLines();
    }
}

template <typename Editor>
void TextBoxView<Editor>::paintEvent(QPaintEvent* event) {
    Editor::paintEvent(event);
    if constexpr (std::is_same_v<Editor, QLineEdit>) {
        if (shownDiagonals_ != 0) PaintDiagonals(*this, shownDiagonals_);
        if (shownCandidates_ <= 0) return;
        QPainter painter(this);
        PaintCandidates(painter, this->contentsRect().adjusted(1, 1, -1, -1), shownCandidates_,
                        this->palette().color(QPalette::Base));
    }
}

template <typename Editor>
int TextBoxView<Editor>::fittingStretch() const {
    if constexpr (std::is_same_v<Editor, QLineEdit>) {
        return 100;
    } else {
        const qreal available = this->contentsRect().width() - 2 * kDocumentMargin;
        QFontMetricsF metrics(scale_.font(model_->fontSize(), model_->fontBold()));
        qreal widest = 0;
        for (const QString& line : fittedText_.split(QLatin1Char('\n'))) {
            widest = std::max(widest, metrics.horizontalAdvance(line));
        }
        if (widest <= available || available <= 0) return 100;
        return std::max(kNarrowestStretch, static_cast<int>(std::floor(100 * available / widest)));
    }
}

template <typename Editor>
void TextBoxView<Editor>::formatLines() {
    if constexpr (std::is_same_v<Editor, QTextEdit>) {
        QTextBlockFormat format;
        format.setAlignment(this->document()->defaultTextOption().alignment());
        // One em a line; the baseline sits at four fifths of it.
        format.setLineHeight(QFontInfo(this->font()).pixelSize(), QTextBlockFormat::FixedHeight);
        // A change of looks is not an edit the user could undo.
        QTextDocument* document = this->document();
        bool undo = document->isUndoRedoEnabled();
        document->setUndoRedoEnabled(false);
        QTextCursor all(document);
        all.select(QTextCursor::Document);
        all.mergeBlockFormat(format);
        document->setUndoRedoEnabled(undo);
    }
}

template <typename Editor>
void TextBoxView<Editor>::keyPressEvent(QKeyEvent* event) {
    if (!model_) return event->accept();  // the window is going away
    // Named keys and shortcuts go to the model first: the program's shortcuts, then KeyDown.
    // Ctrl+C with text selected copies that text, as a text box does.
    if (auto chord = ChordOf(*event)) {
        bool copiesSelection = chord->key == 'C' && chord->modifiers == kCtrlMask && this->textCursorHasSelection();
        if (!copiesSelection && KeyDown(registry_, model_, *chord)) return event->accept();
        if (!model_) return event->accept();
    }
    int key = KeyAsciiOf(*event);
    if (key == 0) return Editor::keyPressEvent(event);
    // KeyPress, the edit and KeyUp are one event of the user's.
    FormRegistry::EventScope scope(registry_);
    int result = PressKey(registry_, *model_, key);
    // The handler may have unloaded the window, or dropped the key.
    if (!model_ || result == 0) return event->accept();
    // The key edits the box as the handler left it (it may have changed its text or lock).
    sync();
    if (result == key) {
        Editor::keyPressEvent(event);
    } else {
        event->accept();
        applyKey(result);
    }
    if (model_) KeyUp(registry_, *model_, result);
}

template <typename Editor>
bool TextBoxView<Editor>::textCursorHasSelection() const {
    if constexpr (std::is_same_v<Editor, QLineEdit>) {
        return this->hasSelectedText();
    } else {
        return this->textCursor().hasSelection();
    }
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
    FormRegistry::EventScope scope(registry_);
    QString accepted;
    int last = 0;
    for (uint code : event->commitString().toUcs4()) {
        int result = PressKey(registry_, *model_, static_cast<int>(code));
        if (!model_) return event->accept();
        if (result >= 32) {
            accepted += CharacterText(result);
            last = result;
        }
    }
    sync();
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(accepted, event->replacementStart(), event->replacementLength());
    Editor::inputMethodEvent(&filtered);
    if (model_ && last != 0) KeyUp(registry_, *model_, last);
}

template <typename Editor>
void TextBoxView<Editor>::mousePressEvent(QMouseEvent* event) {
    if (!model_) return event->accept();
    if (int button = MouseButtonOf(event->button())) {
        QPointF at = event->position();
        MouseDown(registry_, *model_, button, scale_.twips(at.x()), scale_.twips(at.y()));
        if (!model_) return event->accept();
        sync();
    }
    Editor::mousePressEvent(event);
}

template <typename Editor>
void TextBoxView<Editor>::writeBack() {
    if (model_) EditText(registry_, *model_, ToUtf8(widgetText()));
}

template class TextBoxView<QLineEdit>;
template class TextBoxView<QTextEdit>;

}  // namespace ui::qt
