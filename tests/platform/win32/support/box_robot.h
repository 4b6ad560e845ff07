#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/win32/windows_api.h"

namespace orvane::test {

// Finds the system's message boxes as they open and acts on each from inside its own modal loop:
// the first box gets the first action, the next box the next one. Keeps what each box showed.
class BoxRobot {
  public:
    using Action = std::function<void(HWND)>;

    struct Seen {
        std::u16string title;
        std::u16string text;
        HWND owner = nullptr;
        bool ownerVisible = false;
        bool yes = false, no = false, cancel = false, ok = false;
        int defaultButton = 0;  // the control id Enter chooses
        HICON icon = nullptr;   // the picture beside the text
    };

    explicit BoxRobot(std::vector<Action> actions);
    explicit BoxRobot(Action action) : BoxRobot(std::vector<Action>{std::move(action)}) {}
    ~BoxRobot();
    BoxRobot(const BoxRobot&) = delete;
    BoxRobot& operator=(const BoxRobot&) = delete;

    // Every box seen, in order.
    const std::vector<Seen>& boxes() const { return seen_; }
    // The first box; all empty when none was seen.
    const Seen& seen() const;

  private:
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD);
    void act(HWND box);

    static inline BoxRobot* robot_ = nullptr;
    std::vector<Action> actions_;
    std::vector<Seen> seen_;
    HWND lastBox_ = nullptr;
    UINT_PTR timer_ = 0;
};

// Answers for a box.
void pressEscape(HWND box);
void closeBox(HWND box);
void chooseYes(HWND box);
void chooseNo(HWND box);
void chooseOk(HWND box);

}  // namespace orvane::test
