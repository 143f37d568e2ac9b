// Top-level windows of the process, as far as the module needs them: owners of its dialogs found by
// their titles. Nothing is drawn; a window exists while the host holds its `TopLevelWindow`.
#pragma once

#include <string>

using LPCSTR = const char*;
using HWND = struct WindowHandle*;

// The window titled exactly `title` (UTF-8), null when there is none; the class name is not used.
HWND FindWindowA(LPCSTR className, LPCSTR title);

namespace tlx {

std::string WindowTitle(HWND window);

class TopLevelWindow {
public:
    explicit TopLevelWindow(std::string title);
    ~TopLevelWindow();
    TopLevelWindow(const TopLevelWindow&) = delete;
    TopLevelWindow& operator=(const TopLevelWindow&) = delete;
    HWND Handle() const;

private:
    std::string title_;
};

}  // namespace tlx
