// SPDX-License-Identifier: GPL-3.0-or-later
// The window's face of the transcripts: a real calculator sheet (one per
// page played) on the offscreen platform, driven as a user drives it, with
// message boxes captured through the page layer's hook.
#pragma once

#include "transcript.h"

#include <memory>

namespace brevimo::transcript {

std::unique_ptr<Driver> MakeWindowDriver();

} // namespace brevimo::transcript
