#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <cmath>
#include <string>
#include <vector>

#include "media/design_pictures.h"
#include "media/picture_files.h"
#include "ui/qt/qt_picture.h"

namespace {

using quirvanto::PictureFiles;
using ui::DesignPicture;

const QImage& imageOf(const ui::Picture& picture) {
    static const QImage kNone;
    const auto* qtPicture = dynamic_cast<const ui::qt::QtPicture*>(picture.get());
    return qtPicture != nullptr ? qtPicture->image() : kNone;
}

// The colour of the tile's face at mid-height, left of the digit.
QColor faceColour(const QImage& tile) {
    return tile.pixelColor(tile.width() / 8, tile.height() / 2);
}

double distance(const QColor& a, const QColor& b) {
    return std::hypot(a.red() - b.red(), a.green() - b.green(), a.blue() - b.blue());
}

double coverage(const QImage& image) {
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            opaque += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
        }
    }
    return static_cast<double>(opaque) / (image.width() * image.height());
}

void expectShownAt32By32Crisp(const QImage& image) {
    EXPECT_EQ(image.deviceIndependentSize(), QSizeF(32, 32));
    EXPECT_EQ(image.size(), QSize(64, 64));
}

std::vector<DesignPicture> everyDesignPicture() {
    std::vector<DesignPicture> all;
    for (int which = static_cast<int>(DesignPicture::InitialTile);
         which <= static_cast<int>(DesignPicture::Cherries); ++which) {
        all.push_back(static_cast<DesignPicture>(which));
    }
    return all;
}

TEST(TilePictures, EveryValueHasA32By32TileInAColourOfItsOwn) {
    PictureFiles pictures(".");
    std::vector<QColor> colours;
    for (int value = 1; value <= 9; ++value) {
        SCOPED_TRACE(value);
        const QImage& tile = imageOf(pictures.file(std::to_string(value)));
        ASSERT_FALSE(tile.isNull());
        expectShownAt32By32Crisp(tile);
        colours.push_back(faceColour(tile));
    }
    for (std::size_t a = 0; a < colours.size(); ++a) {
        for (std::size_t b = a + 1; b < colours.size(); ++b) {
            EXPECT_GT(distance(colours[a], colours[b]), 40.0) << "tiles " << a + 1 << ", " << b + 1;
        }
    }
}

TEST(TilePictures, AValueIsDecodedOnceAndSharedAfterwards) {
    PictureFiles pictures(".");
    const ui::Picture first = pictures.file("4");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(pictures.file("4"), first);
    EXPECT_NE(pictures.file("5"), first);
}

TEST(TilePictures, AMissingOrUndecodableFileGivesNoPicture) {
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkpath("Img"));
    QFile broken(folder.filePath("Img/2.png"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("\x89PNG but not really");
    broken.close();
    ASSERT_TRUE(QFile::copy("Img/3.png", folder.filePath("Img/3.png")));

    PictureFiles pictures(folder.path().toStdString());
    EXPECT_EQ(pictures.file("2"), nullptr);
    EXPECT_EQ(pictures.file("7"), nullptr);
    EXPECT_EQ(pictures.file("7"), nullptr);
    EXPECT_EQ(pictures.file("3.png"), nullptr);
    EXPECT_NE(pictures.file("3"), nullptr);

    PictureFiles withoutFolder("/nonexistent/quirvanto");
    EXPECT_EQ(withoutFolder.file("3"), nullptr);
}

TEST(DesignPictures, EachIsADistinct32By32PictureDrawnOnce) {
    PictureFiles pictures("/nonexistent/quirvanto");
    std::vector<QImage> drawn;
    for (const DesignPicture which : everyDesignPicture()) {
        SCOPED_TRACE(static_cast<int>(which));
        const ui::Picture picture = pictures.design(which);
        EXPECT_EQ(pictures.design(which), picture);
        const QImage& image = imageOf(picture);
        ASSERT_FALSE(image.isNull());
        expectShownAt32By32Crisp(image);
        EXPECT_GT(coverage(image), 0.12);
        for (const QImage& earlier : drawn) {
            EXPECT_NE(image, earlier);
        }
        drawn.push_back(image);
    }
}

TEST(DesignPictures, EachPointerPointsWithAVisiblePartOfItself) {
    for (const DesignPicture pointer :
         {DesignPicture::ClickPointer, DesignPicture::WindowPointer}) {
        SCOPED_TRACE(static_cast<int>(pointer));
        const QPoint hotSpot = quirvanto::pointerHotSpot(pointer);
        ASSERT_TRUE(QRect(0, 0, 32, 32).contains(hotSpot));
        const QImage image = quirvanto::drawDesignPicture(pointer);
        int opaqueNearby = 0;
        for (int dy = 0; dy < 2; ++dy) {
            for (int dx = 0; dx < 2; ++dx) {
                const QPoint pixel = hotSpot * 2 + QPoint(dx, dy);
                opaqueNearby += qAlpha(image.pixel(pixel)) > 128 ? 1 : 0;
            }
        }
        EXPECT_GT(opaqueNearby, 0);
    }
}

// The machine window's pointer is a picture of sixteen colours; smoothing would add others.
TEST(DesignPictures, TheWindowPointerUsesOnlyTheSixteenClassicColours) {
    const QSet<QRgb> kClassicColours = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                        0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                        0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    const QImage image = quirvanto::drawDesignPicture(DesignPicture::WindowPointer);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 0) {
                continue;
            }
            ASSERT_EQ(qAlpha(pixel), 255) << x << "," << y;
            ASSERT_TRUE(kClassicColours.contains(pixel & 0xFFFFFF)) << x << "," << y;
        }
    }
}

}  // namespace
