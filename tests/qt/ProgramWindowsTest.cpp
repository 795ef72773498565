// The program's other windows on screen, reached as the user reaches them: the options window
// from the main window's button, grid 1 after a judgement of the board, the candidates window
// after an automatic step of a double problem, and what the screen shows after 自動123 and
// 判定A with the screen refresh on. Each screenshot stays in the build tree,
// and each window is checked for what a user would see: all its controls, its size, captions
// in a font that has every character, and cell texts that fit their boxes whole.
#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPainter>
#include <QTextEdit>
#include <QPushButton>
#include <QRawFont>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <chrono>
#include <gtest/gtest.h>

#include "DoubleProblem.h"
#include "QtTestSupport.h"
#include "board/cmnMod01.h"
#include "board/frmAllGamen.h"
#include "candidates/frmKouho.h"
#include "grid/frmMozelAuto.h"
#include "options/frmOption01.h"
#include "program/Program.h"
#include "ui/HeadlessServices.h"

namespace {

using qttest::Ink;

// The ink of a text drawn in a font with nothing around it.
QRect FreeInk(const QFont& font, const QString& text) {
    QImage free(400, 200, QImage::Format_RGB32);
    free.fill(Qt::white);
    {
        QPainter painter(&free);
        painter.setFont(font);
        painter.drawText(free.rect(), Qt::AlignCenter, text);
    }
    return Ink(free);
}

// The runs of rows within an area that hold ink, each with the ink's extent.
std::vector<QRect> InkBands(const QImage& image, const QRect& area) {
    std::vector<QRect> bands;
    bool inBand = false;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QRect row = Ink(image, QRect(area.left(), y, area.width(), 1));
        if (row.isNull()) {
            inBand = false;
            continue;
        }
        if (!inBand) bands.emplace_back();
        bands.back() |= row;
        inBand = true;
    }
    return bands;
}

class ProgramWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        qttest::EnsureApplication();
        views = std::make_unique<ui::qt::ViewManager>(program.forms());
        program.Start();
        QApplication::processEvents();
        ASSERT_TRUE(QDir().mkpath(MOZEL_SCREENSHOT_DIR));
    }

    ui::qt::FormView& viewOf(const ui::Form& form) {
        ui::qt::FormView* view = views->viewOf(form);
        EXPECT_NE(view, nullptr) << form.name();
        return *view;
    }
    template <typename W>
    W* widget(const ui::Control& control) {
        return dynamic_cast<W*>(viewOf(control.form()).widgetOf(control));
    }
    int px(int twips) { return viewOf(program.frmAllGamen()).scale().px(twips); }

    // What the user sees of a shown window: a view for every control, a client area of the
    // window's size, every caption and text in the CJK font with a glyph for each character,
    // and no label caption cut at the label's edges.
    void expectShownWhole(const ui::Form& form) {
        ui::qt::FormView& view = viewOf(form);
        EXPECT_TRUE(view.isVisible()) << form.name();
        EXPECT_EQ(view.canvas()->size(), QSize(px(form.width()), px(form.height()))) << form.name();
        int texts = 0;
        for (ui::Control* control : form.controls()) {
            EXPECT_NE(view.viewOf(*control), nullptr) << form.name() << "." << control->path();
            QWidget* shown = view.widgetOf(*control);
            if (!shown || !control->visible()) continue;
            for (const char* property : {"Caption", "Text"}) {
                std::string text;
                try {
                    text = ui::ToText(control->property(property));
                } catch (const ui::PropertyError&) {
                    continue;
                }
                if (text.empty()) continue;
                EXPECT_EQ(QFontInfo(shown->font()).family(), QStringLiteral("Noto Sans CJK JP")) << control->path();
                QFontMetrics metrics(shown->font());
                QRawFont raw = QRawFont::fromFont(shown->font());
                for (uint c : QString::fromStdString(text).toUcs4()) {
                    if (c == '\r' || c == '\n') continue;
                    EXPECT_TRUE(metrics.inFontUcs4(c) && raw.supportsCharacter(c))
                        << form.name() << "." << control->path() << ": U+" << std::hex << c;
                }
                ++texts;
            }
            if (dynamic_cast<const ui::Label*>(control)) {
                QImage label = shown->grab().toImage();
                QRect ink = Ink(label);
                if (ink.isNull()) continue;
                EXPECT_TRUE(label.rect().adjusted(0, 1, 0, -1).contains(ink))
                    << form.name() << "." << control->path() << " cut: ink " << ink.top() << ".." << ink.bottom()
                    << " of " << label.height();
            }
        }
        EXPECT_GT(texts, 0) << form.name();
    }

    // No text cursor in the pictures.
    static void clearFocus() {
        if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
    }
    // Saves the window as shown into the build tree.
    void save(const ui::Form& form, const QString& file) {
        clearFocus();
        EXPECT_TRUE(viewOf(form).snapshot().save(QStringLiteral(MOZEL_SCREENSHOT_DIR "/") + file)) << file.toStdString();
    }

    ui::HeadlessServices services;
    program::Program program{services.services()};
    std::unique_ptr<ui::qt::ViewManager> views;
};

TEST_F(ProgramWindowsTest, TheOptionsWindowOpensFromTheMainWindow) {
    board::frmAllGamen& main = program.frmAllGamen();
    auto* button = widget<QPushButton>(main.cmdOpt01);
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    QApplication::processEvents();

    options::frmOption01& options = program.frmOption01();
    EXPECT_TRUE(options.visible());
    expectShownWhole(options);
    expectShownWhole(main);

    // Both windows where they stand on the screen, frames left out.
    ui::qt::FormView& mainView = viewOf(main);
    ui::qt::FormView& optionsView = viewOf(options);
    clearFocus();
    QPixmap mainShot = mainView.snapshot();
    QPixmap optionsShot = optionsView.snapshot();
    EXPECT_TRUE(optionsShot.save(MOZEL_SCREENSHOT_DIR "/options-window.png"));
    QRect mainArea(mainView.pos(), mainShot.size());
    QRect optionsArea(optionsView.pos(), optionsShot.size());
    QRect desktop = mainArea | optionsArea;
    QPixmap both(desktop.size());
    both.fill(Qt::darkGray);
    {
        QPainter painter(&both);
        painter.drawPixmap(mainArea.topLeft() - desktop.topLeft(), mainShot);
        painter.drawPixmap(optionsArea.topLeft() - desktop.topLeft(), optionsShot);
        painter.setPen(Qt::black);
        painter.drawRect(optionsArea.translated(-desktop.topLeft()).adjusted(0, 0, -1, -1));
    }
    EXPECT_TRUE(both.save(MOZEL_SCREENSHOT_DIR "/main-with-options.png"));
}

TEST_F(ProgramWindowsTest, Grid1ShowsAfterAJudgementOfTheBoard) {
    board::frmAllGamen& main = program.frmAllGamen();
    board::cmnMod01& cmn = program.cmn();
    // A few digits typed into the first row of grid 1.
    const char digits[] = "53..7....";
    for (int k = 1; k <= 9; ++k) {
        if (digits[k - 1] == '.') continue;
        auto* cell = widget<QLineEdit>(main.text1(cmn.GridMasu[cmn.PatternNo][1][k]));
        ASSERT_NE(cell, nullptr);
        QTest::keyClicks(cell, QString(QChar(digits[k - 1])));
    }
    QTest::mouseClick(widget<QPushButton>(main.cmdHanteiA(1)), Qt::LeftButton);
    QApplication::processEvents();

    grid::frmMozelAuto& grid1 = program.frmMozelAuto();
    ASSERT_TRUE(grid1.visible());
    expectShownWhole(grid1);
    for (int k = 1; k <= 9; ++k) {
        QString expected = digits[k - 1] == '.' ? QString() : QString(QChar(digits[k - 1]));
        EXPECT_EQ(widget<QLineEdit>(grid1.Text1(k - 1))->text().trimmed(), expected) << "grid cell " << k;
    }
    save(grid1, QStringLiteral("grid-window.png"));
}

// 自動123 and 判定A with the screen refresh on refresh the main window about a hundred times
// while they work; it repaints at most once a frame, and once the event loop has run, what
// is on the screen (the window's painted pixels) is the final state, pixel for pixel as new
// views of the model show it.
TEST_F(ProgramWindowsTest, JudgementsLeaveTheirFinalStateOnTheScreen) {
    board::frmAllGamen& main = program.frmAllGamen();
    board::cmnMod01& cmn = program.cmn();
    ui::qt::FormView& view = viewOf(main);
    DoubleProblem problem = DoubleProblem::Load("sensei-4-180705-104524.40.VeryEasy.txt");
    ASSERT_EQ(problem.givens[1].size(), 81u);
    program.frmOption01().chkGlook.setValue(1);
    clearFocus();
    const std::pair<const char*, void (*)(board::frmAllGamen&)> commands[] = {
        {"auto123", [](board::frmAllGamen& w) { w.cmdHantei123_Click(); }},
        {"hanteiA", [](board::frmAllGamen& w) { w.cmdHanteiA_Click(3); }},
    };
    for (const auto& [name, command] : commands) {
        while (cmn.PatternNo != 6) main.cmdPattern.click();
        for (int g = 1; g <= 2; ++g) {
            for (int k = 1; k <= 81; ++k) {
                char c = problem.givens[static_cast<size_t>(g - 1)][static_cast<size_t>(k - 1)];
                main.text1(cmn.GridMasu[6][g][k]).setText(c >= '1' && c <= '9' ? std::string(1, c) : "");
            }
        }
        QApplication::processEvents();
        const int refreshesBefore = main.refreshCount();
        const long repaintsBefore = view.repaints();
        const auto start = std::chrono::steady_clock::now();
        {
            ui::FormRegistry::EventScope scope(program.forms());
            command(main);
        }
        const long frames = (std::chrono::steady_clock::now() - start) / view.frameInterval() + 1;
        EXPECT_GT(main.refreshCount() - refreshesBefore, 20) << name;
        EXPECT_LE(view.repaints() - repaintsBefore, frames) << name;
        for (int pass = 0; pass < 3; ++pass) QApplication::processEvents();

        const QImage onScreen = view.screen()->grabWindow(view.winId()).toImage().convertToFormat(QImage::Format_RGB32);
        // The model as views built afresh show it.
        ui::qt::ViewManager fresh(program.forms());
        const QImage model = fresh.viewOf(main)->snapshot().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_TRUE(onScreen == model) << name;
        EXPECT_TRUE(onScreen.save(QStringLiteral(MOZEL_SCREENSHOT_DIR "/main-after-%1.png").arg(name)));
    }
}

TEST_F(ProgramWindowsTest, TheCandidatesWindowShowsAnAutomaticStep) {
    board::frmAllGamen& main = program.frmAllGamen();
    board::cmnMod01& cmn = program.cmn();
    DoubleProblem problem = DoubleProblem::Load("sensei-4-180705-104524.40.VeryEasy.txt");
    ASSERT_EQ(problem.givens[1].size(), 81u);
    while (cmn.PatternNo != 6) main.cmdPattern.click();
    for (int g = 1; g <= 2; ++g) {
        for (int k = 1; k <= 81; ++k) {
            char c = problem.givens[static_cast<size_t>(g - 1)][static_cast<size_t>(k - 1)];
            main.text1(cmn.GridMasu[6][g][k]).setText(c >= '1' && c <= '9' ? std::string(1, c) : "");
        }
    }
    {
        ui::FormRegistry::EventScope scope(program.forms());
        main.cmdHanteiA_Click(3);
    }
    program.frmMozelAuto().cmdKouho_Click();
    QApplication::processEvents();

    candidates::frmKouho& kouho = program.frmKouho();
    ASSERT_TRUE(kouho.visible());
    expectShownWhole(kouho);
    save(kouho, QStringLiteral("candidates-window.png"));

    int open = 0, locked = 0;
    for (int k = 1; k <= 81; ++k) {
        const ui::TextBox& model = kouho.txtKouho(k);
        auto* box = widget<QTextEdit>(model);
        ASSERT_NE(box, nullptr);
        QString text = box->toPlainText();
        QImage shown = box->grab().toImage();
        const QRect inside = box->contentsRect();  // within the frame
        if (model.locked()) {
            // The cell's own digit, large, on the automatic colour, and whole.
            ++locked;
            EXPECT_EQ(box->font().pointSize(), 48) << k;
            EXPECT_EQ(text.toStdString(), model.text()) << k;
            ASSERT_TRUE(text.size() == 1 && text[0] >= u'1' && text[0] <= u'9') << k;
            EXPECT_EQ(box->palette().color(QPalette::Base), qttest::Bgr(cmn.IroAuto1)) << k;
            QRect ink = Ink(shown, inside);
            QRect whole = FreeInk(box->font(), text);
            EXPECT_LE(std::abs(ink.height() - whole.height()), 1) << k << " clipped: " << ink.height() << " of " << whole.height();
            EXPECT_LE(std::abs(ink.width() - whole.width()), 1) << k;
            EXPECT_TRUE(inside.adjusted(1, 1, -1, -1).contains(ink)) << k;
            continue;
        }
        // Three lines of three: a digit or a full-width blank for each of 1..9.
        ++open;
        EXPECT_EQ(box->font().pointSize(), 16) << k;
        QStringList lines = text.split(QLatin1Char('\n'));
        ASSERT_EQ(lines.size(), 3) << k;
        QStringList inked;
        for (int line = 0; line < 3; ++line) {
            ASSERT_EQ(lines[line].size(), 3) << k;
            for (int i = 0; i < 3; ++i) {
                QChar c = lines[line][i];
                EXPECT_TRUE(c == QChar(u'\u3000') || c == QChar(u'1' + line * 3 + i)) << k;
            }
            if (!lines[line].trimmed().isEmpty()) inked << lines[line];
        }
        // Each line with a digit is one band of ink, as tall and as wide as the line drawn on
        // its own: nothing wrapped, overlapped or cut by the box.
        std::vector<QRect> bands = InkBands(shown, inside);
        ASSERT_EQ(bands.size(), static_cast<size_t>(inked.size())) << k << ": " << text.toStdString();
        for (size_t i = 0; i < bands.size(); ++i) {
            QRect whole = FreeInk(box->font(), inked[static_cast<qsizetype>(i)]);
            EXPECT_LE(std::abs(bands[i].height() - whole.height()), 1) << k << " line " << i;
            EXPECT_LE(std::abs(bands[i].width() - whole.width()), 1) << k << " line " << i;
            EXPECT_TRUE(inside.adjusted(1, 1, -1, -1).contains(bands[i])) << k << " line " << i;
        }
    }
    EXPECT_GT(open, 0);
    EXPECT_GT(locked, 0);
}

}  // namespace
