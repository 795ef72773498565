#include <gtest/gtest.h>
#include <algorithm>

#include "TestForm.h"
#include "ui/FormRegistry.h"
#include "ui/UserInput.h"

using namespace ui;

namespace {

// Records its lifecycle into a shared log and can unload itself from its own button.
struct LoggingForm : TestForm {
    LoggingForm(std::vector<std::string>& log, bool cancelClose = false) : log_(log), cancel_(cancelClose) {
        log_.push_back("construct");
        button.onClick = [this] {
            Unload();
            // The window object is still alive until the event returns.
            box.setText("after unload");
            log_.push_back("handler returned");
        };
    }
    ~LoggingForm() override { log_.push_back("destroy"); }
    void Form_Initialize() override { log_.push_back("initialize"); }
    void Form_Load() override { log_.push_back("load"); }
    void Form_QueryUnload(bool& cancel) override {
        log_.push_back("queryunload");
        cancel = cancel_;
    }
    void Form_Unload() override { log_.push_back("unload"); }

    std::vector<std::string>& log_;
    bool cancel_;
};

}  // namespace

TEST(FormRegistry, CreatesHiddenOnFirstReferenceOnce) {
    std::vector<std::string> log;
    FormRegistry registry;
    registry.add("frmTest", [&] { return std::make_unique<LoggingForm>(log); });
    EXPECT_FALSE(registry.isLoaded("frmTest"));
    Form& first = registry.get("frmTest");
    Form& second = registry.get("frmTest");
    EXPECT_EQ(&first, &second);
    EXPECT_FALSE(first.visible());
    EXPECT_EQ(log, (std::vector<std::string>{"construct", "initialize", "load"}));
    EXPECT_THROW(registry.get("frmNothing"), std::out_of_range);
}

TEST(FormRegistry, UnloadInsideOwnHandlerDestroysAfterTheEventReturns) {
    std::vector<std::string> log;
    FormRegistry registry;
    registry.add("frmTest", [&] { return std::make_unique<LoggingForm>(log); });
    auto& form = static_cast<LoggingForm&>(registry.get("frmTest"));
    form.Show();
    log.clear();
    Click(registry, form.button);
    EXPECT_EQ(log, (std::vector<std::string>{"queryunload", "unload", "handler returned", "destroy"}));
    EXPECT_FALSE(registry.isLoaded("frmTest"));

    // The next reference creates a fresh window.
    log.clear();
    registry.get("frmTest");
    EXPECT_EQ(log, (std::vector<std::string>{"construct", "initialize", "load"}));
}

TEST(FormRegistry, QueryUnloadCanCancel) {
    std::vector<std::string> log;
    FormRegistry registry;
    registry.add("frmTest", [&] { return std::make_unique<LoggingForm>(log, true); });
    Form& form = registry.get("frmTest");
    CloseWindow(registry, form);
    EXPECT_TRUE(registry.isLoaded("frmTest"));
}

TEST(FormRegistry, EndDropsEveryWindowAndStopsUserInput) {
    std::vector<std::string> log;
    FormRegistry registry;
    registry.add("frmTest", [&] { return std::make_unique<LoggingForm>(log); });
    auto& form = static_cast<LoggingForm&>(registry.get("frmTest"));
    int ended = 0;
    registry.programEnded.connect([&] { ++ended; });
    int clicks = 0;
    form.check.onClick = [&] { ++clicks; };
    {
        FormRegistry::EventScope scope(registry);
        registry.end();
        registry.end();
        // Dropped, but alive until the event has returned; no unload events on End.
        Click(registry, form.check);
        EXPECT_EQ(clicks, 0);
    }
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(registry.ended());
    EXPECT_FALSE(registry.isLoaded("frmTest"));
    EXPECT_EQ(log.back(), "destroy");
    EXPECT_EQ(std::count(log.begin(), log.end(), "unload"), 0);
}

TEST(FormRegistry, ReentrantUnloadOfAnUnloadingWindowIsIgnored) {
    FormRegistry registry;
    int queries = 0;
    struct Looping : TestForm {
        Looping(FormRegistry& r, int& q) : registry(r), queries(q) {}
        void Form_QueryUnload(bool&) override {
            ++queries;
            registry.unload(*this);
        }
        FormRegistry& registry;
        int& queries;
    };
    registry.add("frmTest", [&] { return std::make_unique<Looping>(registry, queries); });
    CloseWindow(registry, registry.get("frmTest"));
    EXPECT_EQ(queries, 1);
    EXPECT_FALSE(registry.isLoaded("frmTest"));
}
