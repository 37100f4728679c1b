#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QString>
#include <cstdint>
#include <utility>

namespace media_tests {

// The entries that are no asset file at all, each of which once hung the game or flooded its
// memory: a FIFO that no one writes to, a link to /dev/zero, a folder, and a 1 GB file (sparse,
// so it costs no disk).
enum class NonFile { Fifo, DeviceLink, Folder, Huge };
inline constexpr std::pair<NonFile, const char*> kNonFiles[] = {{NonFile::Fifo, "Fifo"},
                                                                {NonFile::DeviceLink, "Device"},
                                                                {NonFile::Folder, "Folder"},
                                                                {NonFile::Huge, "Huge"}};

inline void make(NonFile entry, const QString& path) {
    QFile::remove(path);
    switch (entry) {
        case NonFile::Fifo:
            ASSERT_EQ(mkfifo(path.toLocal8Bit(), 0600), 0);
            break;
        case NonFile::DeviceLink:
            ASSERT_TRUE(QFile::link("/dev/zero", path));
            break;
        case NonFile::Folder:
            ASSERT_TRUE(QDir().mkpath(path));
            break;
        case NonFile::Huge: {
            QFile huge(path);
            ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
            ASSERT_TRUE(huge.resize(std::int64_t{1} << 30));
            break;
        }
    }
}

}  // namespace media_tests
