#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quirvanto {

// Opens an asset file beside the program without ever waiting on it: only a regular file (or a
// link to one) of at most maxBytes is opened. A FIFO, a device, a directory, a file too large or
// one that cannot be opened gives nothing, as a missing file does, so no asset can block the game,
// feed it without end or make it hold more than maxBytes of one file.
class AssetFile {
public:
    [[nodiscard]] static std::optional<AssetFile> open(const std::string& path,
                                                       std::int64_t maxBytes);
    AssetFile(AssetFile&& other) noexcept;
    AssetFile& operator=(AssetFile&& other) noexcept;
    AssetFile(const AssetFile&) = delete;
    AssetFile& operator=(const AssetFile&) = delete;
    ~AssetFile();

    // Hands the open descriptor over to the caller, who closes it.
    [[nodiscard]] int release();
    [[nodiscard]] std::int64_t size() const { return size_; }

    // The whole file, or nothing when it cannot be read to the size it had when opened.
    [[nodiscard]] std::optional<std::vector<unsigned char>> readAll();

private:
    AssetFile(int descriptor, std::int64_t size) : descriptor_(descriptor), size_(size) {}

    int descriptor_ = -1;
    std::int64_t size_ = 0;
};

}  // namespace quirvanto
