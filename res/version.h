// SPDX-License-Identifier: GPL-3.0-or-later
// Version information of the program.
#pragma once

namespace brevimo::res {

inline constexpr int kVersionLanguage = 1049; // Russian
inline constexpr const char* kFileVersion = "3.0.0.2";
inline constexpr const char* kProductVersion = "3.0.0.6";
inline constexpr const char* kInternalName = "Brevimo";
inline constexpr const char* kProductName = "Brevimo Application";

} // namespace brevimo::res
