#include "program_icons.h"

#include <QDir>
#include <QImage>
#include <QString>

#include "media/design_pictures.h"

namespace assets {

bool writeProgramIcons(const std::string& themeFolder, const std::string& iconName) {
    for (const int size : kIconSizes) {
        const QString folder =
            QStringLiteral("%1/%2x%2/apps").arg(QString::fromStdString(themeFolder)).arg(size);
        const QString file = folder + '/' + QString::fromStdString(iconName) + ".png";
        if (!QDir().mkpath(folder) || !quirvanto::drawProgramIcon(size).save(file, "PNG")) {
            return false;
        }
    }
    return true;
}

}  // namespace assets
