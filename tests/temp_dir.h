// SPDX-License-Identifier: GPL-3.0-or-later
// A fresh folder under the system's temporary folder, portable (no mkdtemp).
#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace brevimo::test {

inline std::filesystem::path MakeTempDir(const std::string& stem) {
  std::random_device random;
  const std::filesystem::path base = std::filesystem::temp_directory_path();
  for (;;) {
    std::filesystem::path dir = base / (stem + std::to_string(random()));
    if (std::filesystem::create_directory(dir)) return dir;
  }
}

} // namespace brevimo::test
