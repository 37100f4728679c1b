#include <wayland-client.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>

// A mouse for a wlroots compositor that has none (sway's headless backend), through its virtual
// pointer protocol, so that the Wayland end-to-end test can point and click as a player does:
//   wayland_pointer
// then one command a line on standard input: "move X Y WIDTH HEIGHT" (to X Y of a screen of that
// size, in the compositor's logical pixels) or "click" (the left button). Each answers "ok" once
// the compositor has taken it. The pointer lasts while the program runs: the compositor shows no
// pointer without a pointing device.
namespace {

// The protocol's two interfaces, declared here as its XML describes them (requests only).
extern const wl_interface kVirtualPointer;
const wl_interface* kCreateTypes[] = {&wl_seat_interface, &kVirtualPointer};
const wl_interface* kNoTypes[] = {nullptr, nullptr, nullptr, nullptr, nullptr};
const wl_message kManagerRequests[] = {
    {"create_virtual_pointer", "?on", kCreateTypes},
    {"destroy", "", kNoTypes},
};
const wl_interface kManager = {
    "zwlr_virtual_pointer_manager_v1", 1, 2, kManagerRequests, 0, nullptr};
// The requests up to the last one used, in the protocol's order.
const wl_message kPointerRequests[] = {
    {"motion", "uff", kNoTypes}, {"motion_absolute", "uuuuu", kNoTypes},
    {"button", "uuu", kNoTypes}, {"axis", "uuf", kNoTypes},
    {"frame", "", kNoTypes},
};
const wl_interface kVirtualPointer = {"zwlr_virtual_pointer_v1", 1, 5,
                                      kPointerRequests,          0, nullptr};

enum Request : uint32_t { kCreate = 0, kMotionAbsolute = 1, kButton = 2, kFrame = 4 };
constexpr uint32_t kLeftButton = 0x110;  // BTN_LEFT
constexpr uint32_t kReleased = 0;
constexpr uint32_t kPressed = 1;

struct Globals {
    wl_seat* seat = nullptr;
    wl_proxy* manager = nullptr;
};

void announced(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
    auto* globals = static_cast<Globals*>(data);
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && globals->seat == nullptr) {
        globals->seat =
            static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    } else if (std::strcmp(interface, kManager.name) == 0) {
        globals->manager = static_cast<wl_proxy*>(wl_registry_bind(registry, name, &kManager, 1));
    }
}

void withdrawn(void*, wl_registry*, uint32_t) {}

uint32_t now(uint32_t& clock) {
    return clock += 10;
}

}  // namespace

int main() {
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "wayland_pointer: no Wayland display\n");
        return 1;
    }
    Globals globals;
    const wl_registry_listener listener = {announced, withdrawn};
    wl_registry_add_listener(wl_display_get_registry(display), &listener, &globals);
    wl_display_roundtrip(display);
    if (globals.manager == nullptr) {
        std::fprintf(stderr, "wayland_pointer: the compositor offers no virtual pointer\n");
        return 1;
    }
    wl_proxy* pointer = wl_proxy_marshal_constructor(globals.manager, kCreate, &kVirtualPointer,
                                                     globals.seat, nullptr);
    wl_display_roundtrip(display);
    uint32_t clock = 0;
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream words(line);
        std::string command;
        words >> command;
        if (command == "move") {
            uint32_t x = 0;
            uint32_t y = 0;
            uint32_t width = 0;
            uint32_t height = 0;
            words >> x >> y >> width >> height;
            wl_proxy_marshal(pointer, kMotionAbsolute, now(clock), x, y, width, height);
        } else if (command == "click") {
            wl_proxy_marshal(pointer, kButton, now(clock), kLeftButton, kPressed);
            wl_proxy_marshal(pointer, kFrame);
            wl_proxy_marshal(pointer, kButton, now(clock), kLeftButton, kReleased);
        } else {
            std::fprintf(stderr, "wayland_pointer: unknown command '%s'\n", line.c_str());
            return 2;
        }
        wl_proxy_marshal(pointer, kFrame);
        if (wl_display_roundtrip(display) < 0) {
            return 1;
        }
        std::cout << "ok" << std::endl;
    }
    wl_display_disconnect(display);
    return 0;
}
