#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "machine/form1.h"
#include "media/design_pictures.h"
#include "media/picture_files.h"
#include "support/rig.h"
#include "ui/qt/qt_picture.h"

namespace {

using quirvanto::PictureFiles;
using ui::DesignPicture;

QImage imageOf(const ui::Picture& picture) {
    const auto* qtPicture = dynamic_cast<const ui::qt::QtPicture*>(picture.get());
    return qtPicture != nullptr ? qtPicture->image() : QImage();
}

int opaquePixels(const QImage& image) {
    const QImage alpha = image.convertToFormat(QImage::Format_Alpha8);
    return static_cast<int>(std::count_if(alpha.constBits(),
                                          alpha.constBits() + alpha.sizeInBytes(),
                                          [](uchar opacity) { return opacity > 128; }));
}

// Shown at 32 x 32 on the screen, drawn at 64 x 64 so it stays crisp on a 2x screen.
void expectCrisp32By32(const QImage& image) {
    EXPECT_EQ(image.deviceIndependentSize(), QSizeF(32, 32));
    EXPECT_EQ(image.size(), QSize(64, 64));
}

TEST(TilePictures, EveryValueIsA32By32TileInAColourOfItsOwnDecodedOnce) {
    PictureFiles pictures(".");
    std::vector<QColor> faces;
    for (int value = 1; value <= 9; ++value) {
        SCOPED_TRACE(value);
        const ui::Picture picture = pictures.file(std::to_string(value));
        EXPECT_EQ(pictures.file(std::to_string(value)), picture);
        const QImage tile = imageOf(picture);
        ASSERT_FALSE(tile.isNull());
        expectCrisp32By32(tile);
        // The face at mid-height, left of the digit.
        const QColor face = tile.pixelColor(tile.width() / 8, tile.height() / 2);
        for (const QColor& other : faces) {
            EXPECT_GT(std::hypot(face.red() - other.red(), face.green() - other.green(),
                                 face.blue() - other.blue()),
                      40.0);
        }
        faces.push_back(face);
    }
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
    for (const char* unusable : {"2", "7", "7", "3.png"}) {
        EXPECT_EQ(pictures.file(unusable), nullptr) << unusable;
    }
    EXPECT_NE(pictures.file("3"), nullptr);
    EXPECT_EQ(PictureFiles("/nonexistent/quirvanto").file("3"), nullptr);
}

TEST(TilePictures, ATileWhosePictureIsMissingKeepsItsPictureButTakesTheValue) {
    testing_support::Rig rig;
    rig.pictures.missing = {"7"};
    rig.program.start();
    auto& machine = rig.program.form1();
    machine.Label2_Click();
    machine.Label1_Click();

    const struct {
        int drawn;
        const char* picture;
    } ticks[] = {{3, "Img/3"}, {7, "Img/3"}, {9, "Img/9"}};
    for (const auto& tick : ticks) {
        SCOPED_TRACE(tick.drawn);
        // A roll tick that draws the value for tile 4, and no letter.
        rig.random.pushDraw(4, 9);
        rig.random.pushDraw(tick.drawn - 1, 9);
        rig.random.pushDraw(0, 10);
        rig.advance(16);
        EXPECT_EQ(testing_support::tagOf(machine.X[4].picture()), tick.picture);
        EXPECT_EQ(machine.NN[4].caption(), std::to_string(tick.drawn));
    }
}

TEST(DesignPictures, EachIsADistinct32By32PictureDrawnOnce) {
    PictureFiles pictures("/nonexistent/quirvanto");
    std::vector<QImage> drawn;
    for (int which = static_cast<int>(DesignPicture::InitialTile);
         which <= static_cast<int>(DesignPicture::Cherries); ++which) {
        SCOPED_TRACE(which);
        const ui::Picture picture = pictures.design(static_cast<DesignPicture>(which));
        EXPECT_EQ(pictures.design(static_cast<DesignPicture>(which)), picture);
        const QImage image = imageOf(picture);
        expectCrisp32By32(image);
        EXPECT_GT(opaquePixels(image), 0.12 * image.width() * image.height());
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
        // The four pixels of the 2x drawing under the hot spot.
        const QImage image = quirvanto::drawDesignPicture(pointer);
        EXPECT_GT(opaquePixels(image.copy(QRect(hotSpot * 2, QSize(2, 2)))), 0);
    }
}

}  // namespace
