#include "app/real_services.h"

namespace quirvanto {

RealServices::RealServices(const std::string& programFolder)
    : sound_(programFolder), pictures_(programFolder), services_{scheduler_, messages_,
                                                                 sound_,     pictures_,
                                                                 random_,    clock_,
                                                                 measure_,   hosts_,
                                                                 terminator_} {}

}  // namespace quirvanto
