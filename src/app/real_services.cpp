#include "app/real_services.h"

#include <QGuiApplication>

#include "app/data_folders.h"

namespace quirvanto {

RealServices::RealServices(const std::string& programFolder)
    : sound_(dataFolderHolding(programFolder, "Snd"),
             {QGuiApplication::applicationName().toStdString(),
              QGuiApplication::desktopFileName().toStdString()}),
      pictures_(dataFolderHolding(programFolder, "Img")),
      services_{scheduler_, messages_, sound_, pictures_,  random_,
                clock_,     measure_,  hosts_, terminator_} {}

}  // namespace quirvanto
