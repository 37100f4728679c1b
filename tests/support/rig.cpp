#include "support/rig.h"

#include <algorithm>

namespace testing_support {

void RecordingMessages::show(std::string_view text) {
    shown.emplace_back(text);
    if (onShow) {
        onShow(shown.back());
    }
}

void RecordingSound::play(std::string_view name) {
    played.push_back({std::string(name), clock_.now()});
}

std::vector<std::string> RecordingSound::names() const {
    std::vector<std::string> result;
    for (const auto& p : played) {
        result.push_back(p.name);
    }
    return result;
}

int RecordingSound::count(std::string_view name) const {
    return static_cast<int>(
        std::count_if(played.begin(), played.end(), [&](const auto& p) { return p.name == name; }));
}

std::string tagOf(const ui::Picture& picture) {
    const auto* tagged = dynamic_cast<const TaggedPicture*>(picture.get());
    return tagged != nullptr ? tagged->tag : std::string();
}

ui::Picture FakePictures::file(std::string_view name) {
    ++loads;
    if (missing.count(std::string(name)) != 0) {
        return nullptr;
    }
    return std::make_shared<TaggedPicture>("Img/" + std::string(name));
}

ui::Picture FakePictures::design(ui::DesignPicture which) {
    return std::make_shared<TaggedPicture>("design:" + std::to_string(static_cast<int>(which)));
}

double ScriptedRandom::next() {
    if (queue.empty()) {
        return fallback_.next();
    }
    const double value = queue.front();
    queue.pop_front();
    return value;
}

void ScriptedRandom::pushDraw(int k, int n) {
    queue.push_back((k + 0.5) / n);
}

void ScriptedRandom::pushRoll(const std::array<int, 9>& grid, int letters, int ticks) {
    for (int i = 0; i < ticks; ++i) {
        const int tile = i % 9;
        pushDraw(tile, 9);
        pushDraw(grid[static_cast<std::size_t>(tile)] - 1, 9);
        pushDraw(i == ticks - 1 ? letters : 0, 10);
    }
}

ui::Twips FixedMeasure::width(std::string_view text, double points) {
    return static_cast<ui::Twips>(text.size() * 12 * points);
}

namespace {
class NullHost final : public ui::WindowHost {
public:
    void controlsCreated() override {}
    void shown() override {}
    void destroyed() override {}
    void focusRequested() override {}
};
}  // namespace

std::unique_ptr<ui::WindowHost> NullHosts::create(ui::Window&) {
    return std::make_unique<NullHost>();
}

Rig::Rig()
    : services{scheduler, messages, sound, pictures, random, clock, measure, hosts, terminator},
      program(services) {}

Rig::Rig(OnScreen)
    : screenMeasure(std::make_unique<ui::qt::QtTextMeasure>()),
      screenHosts(std::make_unique<ui::qt::QtHostFactory>()),
      services{scheduler, messages,       sound,        pictures,  random,
               clock,     *screenMeasure, *screenHosts, terminator},
      program(services) {}

Rig::Rig(RealMedia media)
    : services{scheduler, messages, media.sound, media.pictures, random,
               clock,     measure,  hosts,       terminator},
      program(services) {}

QWidget* Rig::widgetOf(const ui::Window& window) const {
    return screenHosts ? screenHosts->widgetOf(window) : nullptr;
}

}  // namespace testing_support
