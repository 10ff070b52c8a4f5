// The built-in label texts: 9 languages x 13 groups x 20 entries; nullptr is an absent entry.
#pragma once

#include <array>

inline constexpr int kIdiomas = 9;
inline constexpr int kGrupos = 13;
inline constexpr int kIndices = 20;

using BloqueIdioma = std::array<std::array<const char*, kIndices>, kGrupos>;
extern const std::array<BloqueIdioma, kIdiomas> TablaIdiomas;
