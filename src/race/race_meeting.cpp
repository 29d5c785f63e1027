// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "race/race_meeting.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "world/game.h"
#include "world/numbers.h"
#include "world/player.h"
#include "world/random_source.h"

namespace gallox {

namespace {

// The odds grow with a power of a horse's slowness.
constexpr float kOddsExponent = 2.5f;
// Each dose multiplies the chance of a clean step by this.
constexpr float kDoseFactor = 0.98f;
// Each dose shrinks the exponent of the step draw by this: smaller means longer steps.
constexpr float kDoseExponentFactor = 0.9f;
// A step is a draw scaled to 0..9 pixels.
constexpr double kStepScale = 10.0;
constexpr std::uint8_t kFaultsToFail = 10;
constexpr double kLargestStake = 1500.0;
constexpr std::int16_t kFinePerDoping = 150;
// The chance per doping of slipping past the police.
constexpr float kPoliceMiss = 0.882f;

}  // namespace

RaceMeeting::RaceMeeting(Player& player, const std::array<HorseRec, kHorseCount>& horses,
                         RandomSource& random)
    : player_(player), horses_(horses), random_(random) {}

RaceMeeting::RaceMeeting(Game& game) : RaceMeeting(game.player(), game.horses(), game.random()) {}

void RaceMeeting::sendData(int races, std::string parkName, int horsesPerRace) {
  parkName_ = std::move(parkName);
  raceCount_ = toByte(races);
  // More horses than the track has rows could not be shown, and no field can be smaller than
  // one horse to bet on.
  horseCount_ = static_cast<std::uint8_t>(std::clamp(static_cast<int>(toByte(horsesPerRace)), 1,
                                                     kMostHorsesInRace));
  curRace_ = 0;
  findGlobalRange();
  computeRateOffset();
}

std::string RaceMeeting::infoText() const {
  return "Race " + std::to_string(curRace_) + "/" + std::to_string(raceCount_) + " in " + parkName_;
}

RaceMeeting::PoliceResult RaceMeeting::nextRace() {
  if (meetingOver()) return {};
  newField();
  PoliceResult police = policeCheck();
  dopesUsed_ = 0;
  ++curRace_;
  running_ = horseCount_;
  finished_ = 0;
  ended_ = false;
  result_.clear();
  return police;
}

RaceMeeting::PoliceResult RaceMeeting::policeCheck() {
  // The draw is taken whether or not there is anything to find.
  const float r = random_.next();
  const auto t = static_cast<float>(std::pow(static_cast<double>(kPoliceMiss), dopesUsed_));
  PoliceResult police;
  if (dopesUsed_ != 0 && t < r) {
    police.caught = true;
    police.fine = static_cast<std::int16_t>(kFinePerDoping * dopesUsed_);
    // The fine is taken whatever the purse holds.
    player_.gainMoney(-static_cast<float>(police.fine));
    police.message = "Police has caught you and you were fined GBP " + std::to_string(police.fine) +
                     " for using dopings.";
  }
  dopesUsed_ = 0;
  return police;
}

std::string RaceMeeting::rateText(int selected) const {
  if (!validSelection(selected)) return {};
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.1f:1",
                static_cast<double>(field_[static_cast<std::size_t>(selected)].rate));
  return buffer;
}

bool RaceMeeting::canDope(int selected) const {
  return validSelection(selected) && field_[static_cast<std::size_t>(selected)].doses < kOverdose;
}

RaceMeeting::BetResult RaceMeeting::setBet(std::string_view stakeText, int selected) {
  if (stakeText.empty()) return {Bet::Refused, "You placed no bet!"};
  if (!validSelection(selected)) return {};
  const std::optional<double> stake = parseStake(stakeText);
  if (!stake) return {Bet::Refused, "Please enter a valid bet!"};
  const HorseRec& horse = horseOf(field_[static_cast<std::size_t>(selected)]);
  if (*stake < horse.minBet)
    return {Bet::Refused,
            "Sorry, but on horse " + nameAt(selected) + " you must bet at least GBP " +
                std::to_string(horse.minBet),
            true};
  if (*stake > kLargestStake) return {Bet::Refused, "Sorry, but you can bet at most GBP 1500", true};
  // The purse pays the stake as typed; the payout counts only its whole pounds.
  if (!player_.cGainMoney(-static_cast<float>(*stake), true)) return {};
  betAmount_ = static_cast<float>(wholePart(*stake));
  betHorse_ = static_cast<std::uint8_t>(selected);
  return {Bet::Taken, "Hit -Start Race- button to start"};
}

RaceMeeting::DopeResult RaceMeeting::dope(int selected) {
  if (!canDope(selected)) return {};
  if (!player_.useDoping()) return {"You don't have enough dopings!"};
  if (dopesUsed_ < std::numeric_limits<std::uint8_t>::max()) ++dopesUsed_;
  RaceEntry& entry = field_[static_cast<std::size_t>(selected)];
  ++entry.doses;
  entry.dopeFactor = static_cast<float>(std::pow(static_cast<double>(kDoseFactor), entry.doses));
  if (entry.doses < kOverdose) return {"Horse " + nameAt(selected) + " has been doped."};
  // Only a horse still in the race can be taken out of it; one that has already finished or
  // failed keeps its place, so the race's count of horses able to finish stays true.
  if (entry.place == 0) {
    entry.place = kOutOfRace;
    if (running_ > 0) --running_;
  }
  return {"Horse " + nameAt(selected) + " has been overdosed!", true};
}

bool RaceMeeting::tick() {
  if (ended_) return true;
  if (finished_ == running_) {
    endRace();
    return true;
  }
  for (RaceEntry& entry : field_) {
    if (entry.place != 0) continue;
    const std::int16_t step = horseStep(entry, horseOf(entry).speedExp, random_);
    if (step == -1) {
      if (running_ > 0) --running_;
      entry.place = kOutOfRace;
    }
    entry.pos = static_cast<std::int16_t>(entry.pos + step);
    if (entry.pos > kFinishLine) {
      ++finished_;
      entry.place = finished_;
    }
  }
  return false;
}

void RaceMeeting::endRace() {
  ended_ = true;
  const RaceEntry& betOn = field_.at(betHorse_);
  const float amount = payout(betOn, placeFactor_, betAmount_, horseCount_);
  if (betOn.place == kOutOfRace)
    result_ = "Your horse failed.";
  else
    result_ = "Your horse came " + std::to_string(betOn.place) + ". and you won GBP " +
              generalText(amount) + "!";
  player_.gainMoney(amount);
}

const HorseRec& RaceMeeting::horseOf(const RaceEntry& entry) const {
  return horses_.at(static_cast<std::size_t>(entry.horse));
}

void RaceMeeting::findGlobalRange() {
  const auto [slowest, fastest] = std::minmax_element(
      horses_.begin(), horses_.end(),
      [](const HorseRec& a, const HorseRec& b) { return a.speedExp < b.speedExp; });
  minAll_ = slowest->speedExp;
  maxAll_ = fastest->speedExp;
}

void RaceMeeting::computeRateOffset() { rateOffset_ = rateOffsetFor(horseCount_, minAll_, maxAll_); }

void RaceMeeting::newField() {
  field_.assign(horseCount_, RaceEntry{});
  for (std::size_t i = 0; i < field_.size(); ++i) {
    std::int16_t h = 0;
    bool taken = true;
    while (taken) {
      h = static_cast<std::int16_t>(random_.pick(kHorseCount));
      taken = std::any_of(field_.begin(), field_.begin() + static_cast<std::ptrdiff_t>(i),
                          [h](const RaceEntry& e) { return e.horse == h; });
    }
    field_[i].horse = h;
  }
  invSum_ = 0.0f;
  for (const RaceEntry& entry : field_)
    invSum_ = static_cast<float>(static_cast<double>(invSum_) + 1.0 / horseOf(entry).speedExp);
  findFieldRange();
  computePlaceFactor();
  for (RaceEntry& entry : field_) entry.rate = oddsFor(invSum_, horseOf(entry).speedExp, rateOffset_);
}

void RaceMeeting::findFieldRange() {
  const auto [fastest, slowest] =
      std::minmax_element(field_.begin(), field_.end(), [this](const RaceEntry& a, const RaceEntry& b) {
        return horseOf(a).speedExp < horseOf(b).speedExp;
      });
  minField_ = horseOf(*fastest).speedExp;
  maxField_ = horseOf(*slowest).speedExp;
}

void RaceMeeting::computePlaceFactor() {
  placeFactor_ = placeFactorFor(minField_, maxField_, horseCount_);
}

bool RaceMeeting::validSelection(int selected) const {
  return selected >= 0 && static_cast<std::size_t>(selected) < field_.size();
}

std::string RaceMeeting::nameAt(int selected) const {
  return std::string(horseOf(field_[static_cast<std::size_t>(selected)]).name);
}

std::optional<double> RaceMeeting::parseStake(std::string_view text) { return readDecimal(text); }

float RaceMeeting::rateOffsetFor(int horseCount, float minAll, float maxAll) {
  const double spread = ((horseCount - 1) / static_cast<double>(maxAll) + 1.0 / minAll) / 2.0;
  return static_cast<float>(1.0 - spread * std::pow(static_cast<double>(minAll), kOddsExponent));
}

float RaceMeeting::placeFactorFor(float minField, float maxField, int horseCount) {
  return static_cast<float>(std::pow(static_cast<double>(minField) / maxField,
                                     static_cast<double>(kOddsExponent) / horseCount));
}

float RaceMeeting::oddsFor(float invSum, float speedExp, float rateOffset) {
  return static_cast<float>(static_cast<double>(invSum) / 2.0 *
                                std::pow(static_cast<double>(speedExp), kOddsExponent) +
                            rateOffset);
}

int RaceMeeting::payingPlaces(int horseCount) {
  if (horseCount <= 3) return horseCount;
  if (horseCount == 4) return 3;
  if (horseCount == 5) return 4;
  return 5;
}

float RaceMeeting::payout(const RaceEntry& betOn, float placeFactor, float betAmount, int horseCount) {
  if (betOn.place == 0 || betOn.place == kOutOfRace || betOn.place > payingPlaces(horseCount))
    return 0.0f;
  return static_cast<float>(std::pow(static_cast<double>(placeFactor), betOn.place - 1) *
                            static_cast<double>(betOn.rate) * static_cast<double>(betAmount));
}

std::int16_t RaceMeeting::horseStep(RaceEntry& entry, float speedExp, RandomSource& random) {
  const double r = random.next();
  if (entry.doses == 0)
    return static_cast<std::int16_t>(wholePart(std::pow(r, static_cast<double>(speedExp)) * kStepScale));

  const double exponent =
      std::pow(static_cast<double>(kDoseExponentFactor), entry.doses) * static_cast<double>(speedExp);
  auto step = static_cast<std::int16_t>(wholePart(std::pow(r, exponent) * kStepScale));
  const float r2 = random.next();
  if (r2 > entry.dopeFactor) {
    ++entry.faults;
    if (entry.faults >= kFaultsToFail) step = -1;
  }
  return step;
}

}  // namespace gallox
