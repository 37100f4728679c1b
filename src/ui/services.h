#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "ui/types.h"

// The outside services the game touches. main() builds the real ones; a test builds recording
// or scripted ones. No game code reaches any of these by another way.
namespace ui {

class Window;
class WindowHost;
class Scheduler;

// Modal message box: the text, an information icon, an OK button, the title "Quirvanto".
// show() returns when the player has closed it; timers keep firing meanwhile.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void show(std::string_view text) = 0;
};

// Plays Snd/<name> asynchronously; a new sound cuts off the one playing. A missing file or a
// missing audio device is silence, never an error.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(std::string_view name) = 0;
};

// A decoded picture, opaque to the game. The Qt side knows the concrete type.
class PictureData {
public:
    virtual ~PictureData() = default;
};
using Picture = std::shared_ptr<const PictureData>;

// The pictures the layouts name, drawn by our own code.
enum class DesignPicture {
    InitialTile,    // the tile every grid image shows before its first picture
    RowArrow,       // the white triangle beside each row of the grid
    ClickPointer,   // the pointer shared by every clickable label
    WindowPointer,  // the machine window's own pointer
    ProgramIcon,    // the program's 32 x 32 icon
    Melon,
    Banana,
    Pear,
    Strawberry,
    NumberTile,
    Plum,
    Apple,
    Lemon,
    Orange,
    Cherries,  // the last: kDesignPictureCount counts up to it
};
inline constexpr int kDesignPictureCount = static_cast<int>(DesignPicture::Cherries) + 1;

class PictureSource {
public:
    virtual ~PictureSource() = default;
    // The picture Img/<name> of the game's data, or null when it is missing or unreadable.
    [[nodiscard]] virtual Picture file(std::string_view name) = 0;
    [[nodiscard]] virtual Picture design(DesignPicture which) = 0;
};

// One generator of uniform values in [0, 1) for the whole program.
class Random {
public:
    virtual ~Random() = default;
    [[nodiscard]] virtual double next() = 0;
    // Mixes the seconds since midnight into the generator's current state.
    virtual void reseed(double secondsSinceMidnight) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    [[nodiscard]] virtual double secondsSinceMidnight() = 0;
};

// Captions in the game's font: the width of one line, for labels that size to their caption.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    [[nodiscard]] virtual Twips width(std::string_view text, double points) = 0;
};

// Builds the on-screen side of a window; a headless run gets hosts that show nothing.
class HostFactory {
public:
    virtual ~HostFactory() = default;
    [[nodiscard]] virtual std::unique_ptr<WindowHost> create(Window& window) = 0;
};

// Ends the process's event loop; called once when the program ends.
class Terminator {
public:
    virtual ~Terminator() = default;
    virtual void quit() = 0;
};

struct Services {
    Scheduler& scheduler;
    MessageBoxes& messages;
    SoundPlayer& sound;
    PictureSource& pictures;
    Random& random;
    Clock& clock;
    TextMeasure& measure;
    HostFactory& hosts;
    Terminator& terminator;
};

}  // namespace ui
