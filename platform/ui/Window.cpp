#include "platform/ui/Window.h"

#include <list>
#include <mutex>

struct WindowHandle {
    std::string title;
};

namespace {

std::mutex windowsLock;
std::list<WindowHandle> windows;  // a list keeps every handle's address while others come and go

}  // namespace

HWND FindWindowA(LPCSTR /*className*/, LPCSTR title) {
    if (title == nullptr) return nullptr;
    std::lock_guard lock(windowsLock);
    for (auto& window : windows)
        if (window.title == title) return &window;
    return nullptr;
}

namespace tlx {

std::string WindowTitle(HWND window) {
    std::lock_guard lock(windowsLock);
    return window ? window->title : std::string();
}

TopLevelWindow::TopLevelWindow(std::string title) : title_(std::move(title)) {
    std::lock_guard lock(windowsLock);
    windows.push_back(WindowHandle{title_});
}

TopLevelWindow::~TopLevelWindow() {
    std::lock_guard lock(windowsLock);
    for (auto it = windows.begin(); it != windows.end(); ++it)
        if (it->title == title_) {
            windows.erase(it);
            return;
        }
}

HWND TopLevelWindow::Handle() const { return FindWindowA(nullptr, title_.c_str()); }

}  // namespace tlx
