#include "media/asset_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace quirvanto {

std::optional<AssetFile> AssetFile::open(const std::string& path, std::int64_t maxBytes) {
    // O_NONBLOCK: opening a FIFO that no one writes to returns at once instead of waiting.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0) {
        return std::nullopt;
    }
    struct stat status {};
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > maxBytes) {
        ::close(descriptor);
        return std::nullopt;
    }
    // Reads of a regular file do not honour O_NONBLOCK; clear it anyway so they plainly block.
    fcntl(descriptor, F_SETFL, fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    return AssetFile(descriptor, status.st_size);
}

AssetFile::AssetFile(AssetFile&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)), size_(other.size_) {}

AssetFile& AssetFile::operator=(AssetFile&& other) noexcept {
    if (this != &other) {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
        descriptor_ = std::exchange(other.descriptor_, -1);
        size_ = other.size_;
    }
    return *this;
}

AssetFile::~AssetFile() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
}

int AssetFile::release() {
    return std::exchange(descriptor_, -1);
}

std::optional<std::vector<unsigned char>> AssetFile::readAll() {
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size_));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(descriptor_, bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return std::nullopt;
        }
        done += static_cast<std::size_t>(got);
    }
    return bytes;
}

}  // namespace quirvanto
