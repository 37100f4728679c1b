#include "support/rig.h"

#include <QImage>
#include <algorithm>

#include "bonus/bonus_frame.h"
#include "ui/qt/qt_host_factory.h"
#include "ui/qt/qt_picture.h"
#include "ui/qt/qt_text_measure.h"

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

namespace {
// Wraps a slot of the virtual clock: a start below the fastest rate, or two ticks closer than it,
// is a fault.
class PacedSlot final : public ui::TimerSlot {
public:
    PacedSlot(std::unique_ptr<ui::TimerSlot> inner, std::vector<std::string>& faults)
        : inner_(std::move(inner)), faults_(faults) {}
    void start(int intervalMs) override {
        if (intervalMs < ui::kFastestTimerMs) {
            faults_.push_back("a timer started at " + std::to_string(intervalMs) + " ms");
        }
        inner_->start(intervalMs);
    }
    void stop() override { inner_->stop(); }

private:
    std::unique_ptr<ui::TimerSlot> inner_;
    std::vector<std::string>& faults_;
};
}  // namespace

std::unique_ptr<ui::TimerSlot> PacedScheduler::createSlot(std::function<void()> onTick) {
    auto inner = clock_.createSlot([this, lastTick = std::int64_t{-ui::kFastestTimerMs},
                                    onTick = std::move(onTick)]() mutable {
        if (now() - lastTick < ui::kFastestTimerMs) {
            faults.push_back("a timer ticked twice within " + std::to_string(now() - lastTick) +
                             " ms");
        }
        lastTick = now();
        onTick();
    });
    return std::make_unique<PacedSlot>(std::move(inner), faults);
}

ui::Picture DrawnPictures::design(ui::DesignPicture) {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::magenta);
    return std::make_shared<ui::qt::QtPicture>(image);
}

struct Rig::Screen {
    ui::qt::QtTextMeasure measure;
    ui::qt::QtHostFactory hosts;
    DrawnPictures pictures;
};

Rig::Rig(const Options& options)
    : random(options.seed),
      screen_(options.onScreen ? std::make_unique<Screen>() : nullptr),
      measure(screen_ ? static_cast<ui::TextMeasure&>(screen_->measure) : plainMeasure_),
      services{scheduler,
               messages,
               options.sound != nullptr ? *options.sound : sound,
               options.pictures != nullptr ? *options.pictures
               : screen_                   ? static_cast<ui::PictureSource&>(screen_->pictures)
                                           : pictures,
               random,
               clock,
               measure,
               screen_ ? static_cast<ui::HostFactory&>(screen_->hosts) : noHosts_,
               terminator},
      program(services) {}

Rig::~Rig() = default;

quirvanto::BonusWindow* Rig::openBonus() {
    const auto bonus = program.bonusWindows();
    const auto open = std::ranges::find_if(bonus, [](auto* window) { return window->loaded(); });
    return open != bonus.end() ? *open : nullptr;
}

QWidget* Rig::widgetOf(const ui::Window& window) const {
    return screen_ ? screen_->hosts.widgetOf(window) : nullptr;
}

}  // namespace testing_support
