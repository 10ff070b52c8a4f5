// The settings folder of a fuzzer that writes the program's files: BRIXAMO_HOME when the run
// names one, else a fresh temporary folder.
#pragma once

#include <cstdlib>
#include <filesystem>

inline void PrepararCarpetaConfiguracion() {
    if (std::getenv("BRIXAMO_HOME") == nullptr) {
        char sPlantilla[] = "/tmp/brixamo-fuzz-XXXXXX";
        if (mkdtemp(sPlantilla) != nullptr) {
            setenv("BRIXAMO_HOME", sPlantilla, 1);
        }
    }
    std::filesystem::create_directories(std::getenv("BRIXAMO_HOME"));
}
