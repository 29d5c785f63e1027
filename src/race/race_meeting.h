// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// A race meeting at one race park: the races one after the other, each with its field drawn
// from the thirty horses, the odds, the stake, doping, the race run tick by tick, the payout
// by place and the police check for dopings. The race window shows it and drives it.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "race/race_entry.h"
#include "world/tables.h"

namespace gallox {

class Game;
class Player;
class RandomSource;

// The place of a horse that failed or was overdosed.
inline constexpr std::uint8_t kOutOfRace = 13;
// A horse whose position passes this has finished.
inline constexpr std::int16_t kFinishLine = 650;
// The track has eight rows of horses.
inline constexpr int kMostHorsesInRace = 8;
// The dose that overdoses a horse.
inline constexpr std::uint8_t kOverdose = 7;

class RaceMeeting {
 public:
  enum class Bet {
    Refused,  // a refusal the player reads
    Silent,   // the purse can't cover the stake: nothing is said
    Taken,
  };
  struct BetResult {
    Bet outcome = Bet::Silent;
    std::string message;
    // The two stake limits send the player back to the stake.
    bool focusStake = false;
  };
  struct DopeResult {
    std::string message;
    bool overdosed = false;
  };
  struct PoliceResult {
    bool caught = false;
    std::int16_t fine = 0;
    std::string message;
  };

  RaceMeeting(Player& player, const std::array<HorseRec, kHorseCount>& horses, RandomSource& random);
  explicit RaceMeeting(Game& game);

  // Opens a meeting of `races` races of `horsesPerRace` horses at `parkName`. Nothing is drawn
  // yet: nextRace draws the first race.
  void sendData(int races, std::string parkName, int horsesPerRace);
  // "Race 2/5 in Bristol".
  std::string infoText() const;
  // Once the last race has been drawn there is no next race, only leaving.
  bool meetingOver() const { return curRace_ == raceCount_; }

  // Draws the next race's field, then checks the dopings of the race just left.
  PoliceResult nextRace();
  // The dopings since the last check may cost a fine; every check draws once, doped or not.
  PoliceResult policeCheck();

  // "3.3:1": the odds of the horse at list position `selected`.
  std::string rateText(int selected) const;
  bool canDope(int selected) const;
  BetResult setBet(std::string_view stakeText, int selected);
  DopeResult dope(int selected);

  // One step of every horse still in the race. Returns true once the race has ended: on the
  // tick after the last horse still running finished or failed. The stake is paid then, once.
  bool tick();
  // What the player reads when the race has ended.
  const std::string& result() const { return result_; }

  const std::vector<RaceEntry>& field() const { return field_; }
  const HorseRec& horseOf(const RaceEntry& entry) const;
  int horseCount() const { return horseCount_; }
  int curRace() const { return curRace_; }
  int raceCount() const { return raceCount_; }
  const std::string& parkName() const { return parkName_; }
  int betHorse() const { return betHorse_; }
  float betAmount() const { return betAmount_; }
  int dopesUsed() const { return dopesUsed_; }
  float invSum() const { return invSum_; }
  float rateOffset() const { return rateOffset_; }
  float placeFactor() const { return placeFactor_; }
  float minAll() const { return minAll_; }
  float maxAll() const { return maxAll_; }
  float minField() const { return minField_; }
  float maxField() const { return maxField_; }
  int running() const { return running_; }
  int finished() const { return finished_; }

  // The rules on their own.

  // A stake as the player types it: a finite decimal number with "." as the separator and
  // blanks allowed around it. Anything else has no value.
  static std::optional<double> parseStake(std::string_view text);
  // Gives the fastest possible horse, against a field of the slowest, odds of exactly 1.0.
  static float rateOffsetFor(int horseCount, float minAll, float maxAll);
  static float placeFactorFor(float minField, float maxField, int horseCount);
  static float oddsFor(float invSum, float speedExp, float rateOffset);
  // How many places are paid in a field of this size.
  static int payingPlaces(int horseCount);
  static float payout(const RaceEntry& betOn, float placeFactor, float betAmount, int horseCount);
  // The pixels a horse moves this tick, 0 to 9, or -1 when a doped horse fails now.
  static std::int16_t horseStep(RaceEntry& entry, float speedExp, RandomSource& random);

 private:
  void findGlobalRange();
  void computeRateOffset();
  void newField();
  void findFieldRange();
  void computePlaceFactor();
  void endRace();
  bool validSelection(int selected) const;
  std::string nameAt(int selected) const;

  Player& player_;
  const std::array<HorseRec, kHorseCount>& horses_;
  RandomSource& random_;

  std::vector<RaceEntry> field_;
  std::uint8_t horseCount_ = 0;
  std::uint8_t curRace_ = 0;
  std::uint8_t raceCount_ = 0;
  std::string parkName_;
  std::uint8_t betHorse_ = 0;
  float betAmount_ = 0.0f;
  std::uint8_t dopesUsed_ = 0;
  float invSum_ = 0.0f;
  float rateOffset_ = 0.0f;
  float placeFactor_ = 0.0f;
  float minAll_ = 0.0f;
  float maxAll_ = 0.0f;
  float minField_ = 0.0f;
  float maxField_ = 0.0f;
  std::uint8_t running_ = 0;
  std::uint8_t finished_ = 0;
  // Set when the race has ended and paid, so that a late tick cannot pay twice.
  bool ended_ = false;
  std::string result_;
};

}  // namespace gallox
