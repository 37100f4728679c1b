#include "odds/headless_services.h"

#include "ui/window.h"

namespace odds {

namespace {

constexpr double kNoonSeconds = 12.0 * 60 * 60;
constexpr double kSecondsPerMs = 0.001;
constexpr ui::Twips kTwipsPerCharacterPoint = 12;

class NullHost final : public ui::WindowHost {
public:
    void controlsCreated() override {}
    void shown() override {}
    void destroyed() override {}
    void focusRequested() override {}
};

}  // namespace

double VirtualTimeOfDay::secondsSinceMidnight() {
    return kNoonSeconds + static_cast<double>(scheduler_.now()) * kSecondsPerMs;
}

ui::Twips PlainMeasure::width(std::string_view text, double points) {
    return static_cast<ui::Twips>(static_cast<double>(text.size()) * kTwipsPerCharacterPoint *
                                  points);
}

std::unique_ptr<ui::WindowHost> ShowNothing::create(ui::Window&) {
    return std::make_unique<NullHost>();
}

HeadlessServices::HeadlessServices(std::uint64_t seed)
    : random(seed), services{scheduler, messages, sound, pictures,  random,
                             clock,     measure,  hosts, terminator} {}

}  // namespace odds
