#include "app/real_services.h"

#include "app/data_folders.h"
#include "app/game_application.h"

namespace quirvanto {

RealServices::RealServices(const std::string& programFolder)
    : sound_(dataFolderHolding(programFolder, "Snd"), soundServerListing()),
      pictures_(dataFolderHolding(programFolder, "Img")),
      services_{scheduler_, messages_, sound_, pictures_,  random_,
                clock_,     measure_,  hosts_, terminator_} {}

}  // namespace quirvanto
