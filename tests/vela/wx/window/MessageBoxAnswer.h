// Answers the next message box this thread opens with one button, as a user would.
#pragma once

#include <windows.h>

#include <string>

namespace test {

// While it lives, each box ("#32770") activated on this thread is recorded and answered.
class MessageBoxAnswer {
public:
    explicit MessageBoxAnswer(int button);
    ~MessageBoxAnswer();
    MessageBoxAnswer(const MessageBoxAnswer&) = delete;
    MessageBoxAnswer& operator=(const MessageBoxAnswer&) = delete;

    int Count() const { return count; }
    const std::string& Caption() const { return caption; }
    // The texts of the box's static controls, one after another.
    const std::string& Text() const { return text; }

private:
    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam);

    int button;
    HHOOK hook = nullptr;
    int count = 0;
    std::string caption;
    std::string text;
};

} // namespace test
