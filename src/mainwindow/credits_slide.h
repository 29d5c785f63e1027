// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// The credits' two columns sliding in, in twips: the roles from the left, the names from the
// right, until each stands level with the other.

namespace gallox {

class CreditsSlide {
 public:
  static constexpr int kLeftStart = -1404;
  static constexpr int kRightStart = 4320;
  static constexpr int kStep = 80;
  static constexpr int kLeftRest = 440;
  static constexpr int kRightRest = 2368;
  static constexpr int kTickMs = 50;

  int leftColumn() const { return left_; }
  int rightColumn() const { return right_; }
  bool running() const { return running_; }

  // One step of both columns. Each stops on its own once it has reached its place; the slide
  // ends when both have. Returns whether it goes on.
  bool tick();

 private:
  int left_ = kLeftStart;
  int right_ = kRightStart;
  bool running_ = true;
};

}  // namespace gallox
