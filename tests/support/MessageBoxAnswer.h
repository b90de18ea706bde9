// Answers the message boxes this thread opens with one button, as a user would.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace test {

// While it lives, each message box activated on this thread is recorded and answered.
class MessageBoxAnswer {
public:
    explicit MessageBoxAnswer(int button);
    ~MessageBoxAnswer();
    MessageBoxAnswer(const MessageBoxAnswer&) = delete;
    MessageBoxAnswer& operator=(const MessageBoxAnswer&) = delete;

    struct Box {
        std::string caption;
        // The texts of the box's static controls, one after another.
        std::string text;
    };

    // Every box answered, in the order they came.
    const std::vector<Box>& Boxes() const { return boxes; }
    int Count() const { return static_cast<int>(boxes.size()); }
    // The last box's texts.
    const std::string& Caption() const { return boxes.back().caption; }
    const std::string& Text() const { return boxes.back().text; }

private:
    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam);

    int button;
    HHOOK hook = nullptr;
    std::vector<Box> boxes;
};

} // namespace test
