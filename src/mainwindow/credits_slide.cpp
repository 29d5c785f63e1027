// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "mainwindow/credits_slide.h"

namespace gallox {

bool CreditsSlide::tick() {
  if (!running_) return false;
  if (left_ < kLeftRest) left_ += kStep;
  if (right_ > kRightRest) right_ -= kStep;
  if (left_ >= kLeftRest && right_ <= kRightRest) running_ = false;
  return running_;
}

}  // namespace gallox
