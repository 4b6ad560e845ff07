// The gate every backend's window reports through: the closing question once at a time, a refused
// insertion told to the program, and silence once the window is going away.

#include <gtest/gtest.h>

#include <functional>

#include "platform/shared/event_gate.h"

namespace {

using orvane::platform::ControlId;
using orvane::platform::EventGate;

class CountingEvents final : public orvane::platform::FormEvents {
  public:
    int questions = 0;
    int clicks = 0;
    int refusals = 0;
    bool stayOpen = false;
    std::function<void()> whileAsking;

    bool queryUnload() override {
        ++questions;
        if (whileAsking) {
            whileAsking();
        }
        return stayOpen;
    }
    void click(ControlId) override { ++clicks; }
    void change(ControlId) override {}
    void scroll(ControlId) override {}
    void keyPress(ControlId, std::int16_t&) override {}
    bool allowsInsertion(ControlId, std::u16string_view inserted) const override {
        return inserted != u"x";
    }
    void insertionRefused(ControlId) override { ++refusals; }
};

TEST(EventGate, closeRequestWhileTheQuestionIsOpen_staysOpenWithoutAskingAgain) {
    CountingEvents program;
    EventGate gate(program);
    bool nestedStayedOpen = false;
    program.whileAsking = [&] { nestedStayedOpen = gate.queryUnload(); };
    EXPECT_FALSE(gate.queryUnload());
    EXPECT_TRUE(nestedStayedOpen);
    EXPECT_EQ(program.questions, 1);
    // Once answered, the next request asks again.
    program.whileAsking = nullptr;
    program.stayOpen = true;
    EXPECT_TRUE(gate.queryUnload());
    EXPECT_EQ(program.questions, 2);
}

TEST(EventGate, refusedInsertion_isToldToTheProgram) {
    CountingEvents program;
    EventGate gate(program);
    EXPECT_TRUE(gate.acceptInsertion(0, u"12"));
    EXPECT_EQ(program.refusals, 0);
    EXPECT_FALSE(gate.acceptInsertion(0, u"x"));
    EXPECT_EQ(program.refusals, 1);
}

TEST(EventGate, closedGate_passesNothingOnAndLetsTheWindowGo) {
    CountingEvents program;
    EventGate gate(program);
    gate.close();
    gate.click(1);
    EXPECT_FALSE(gate.queryUnload());
    EXPECT_TRUE(gate.acceptInsertion(0, u"x"));
    EXPECT_EQ(program.clicks, 0);
    EXPECT_EQ(program.questions, 0);
    EXPECT_EQ(program.refusals, 0);
}

}  // namespace
