#include "prerendered_source.h"

#include <QImage>
#include <cstdio>
#include <memory>
#include <string>

#include "design_pictures.h"

namespace assets {

namespace {

using File = std::unique_ptr<std::FILE, decltype(&std::fclose)>;

// const unsigned char kPicture<index>[] = {...}, eighteen bytes a line.
void writePixels(std::FILE* out, int index, const QImage& picture) {
    std::fprintf(out, "alignas(4) const unsigned char kPicture%d[] = {", index);
    const auto* bytes = picture.constBits();
    const auto count = static_cast<std::size_t>(picture.sizeInBytes());
    for (std::size_t i = 0; i < count; ++i) {
        std::fprintf(out, "%s%u,", i % 18 == 0 ? "\n    " : "", bytes[i]);
    }
    std::fputs("\n};\n", out);
}

}  // namespace

bool writePrerenderedSource(const std::string& path) {
    const File out(std::fopen(path.c_str(), "w"), &std::fclose);
    if (!out) {
        return false;
    }
    std::fputs(
        "// Made by quirvanto_assets at build time: the design pictures drawn by the game's own\n"
        "// code (tools/design_pictures.cpp). Not to be edited.\n"
        "#include \"media/prerendered_designs.h\"\n\nnamespace quirvanto {\n\nnamespace {\n\n",
        out.get());
    std::string table;
    for (int index = 0; index < ui::kDesignPictureCount; ++index) {
        const auto design = static_cast<ui::DesignPicture>(index);
        const QImage picture =
            drawDesignPicture(design).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QPoint hotSpot = pointerHotSpot(design);
        writePixels(out.get(), index, picture);
        table += "    {" + std::to_string(picture.width()) + ", " +
                 std::to_string(picture.height()) + ", " + std::to_string(hotSpot.x()) + ", " +
                 std::to_string(hotSpot.y()) + ", kPicture" + std::to_string(index) + "},\n";
    }
    std::fprintf(out.get(),
                 "\n}  // namespace\n\nconst PrerenderedPicture "
                 "kPrerenderedPictures[ui::kDesignPictureCount] = {\n%s};\n\n}  // namespace "
                 "quirvanto\n",
                 table.c_str());
    return std::fflush(out.get()) == 0 && std::ferror(out.get()) == 0;
}

}  // namespace assets
