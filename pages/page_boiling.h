// SPDX-License-Identifier: GPL-3.0-or-later
// The boiling model as the run pages reach it: through the sheet's boiling
// page, so that the page's ErrText receives the boiling failures.
#pragma once

#include "calc/distillation.h"
#include "pages/CPP_CalkTkip.h"

#include <string>

class PageBoiling final : public brevimo::BoilingOperations {
public:
  explicit PageBoiling(CPP_CalkTkip& page) : m_page(page) {}
  int LiquidFromBoiling(double boiling, double* liquidMass) override {
    return m_page.LiquidFromBoiling(boiling, liquidMass);
  }
  int BoilingFromLiquid(double liquidMass, double* boiling, double* vapourMass,
                        double* vapourVolume) override {
    return m_page.BoilingFromLiquid(liquidMass, boiling, vapourMass, vapourVolume);
  }
  const std::string& ErrorText() const override { return m_page.ErrText; }

private:
  CPP_CalkTkip& m_page;
};
