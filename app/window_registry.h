#pragma once
// The twelve long-lived windows (in creation order) and the main menu tree.
#include <array>
#include <string_view>

namespace omvera {

struct WindowInfo {
    const char* ClassName;
    const char* Caption;
    int Left, Top, Width, Height; // design position and outer size
};

// Creation order; the first is the main window.
extern const std::array<WindowInfo, 12> kWindowRegistry;

struct MenuItemInfo {
    const char* Name; // "N1".."N43"
    const char* Caption;
    const char* Parent;   // "" for the menu bar
    const char* Shortcut; // a key sequence in portable text ("Ctrl+P"), "" for none
};

// Every item in menu order (children follow their parent's position among its siblings).
extern const std::array<MenuItemInfo, 43> kMenuTree;

const WindowInfo& WindowByClass(std::string_view className);

} // namespace omvera
