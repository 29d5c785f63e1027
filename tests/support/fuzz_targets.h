// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// What the fuzzers check, shared by the libFuzzer entries in fuzz/ and the seeded runs of the
// normal suite: each target takes any bytes through one of the game's readers and says what a
// player would have met that is wrong, or nothing. An exception other than the reader's own
// error is left to fly, so that the run stops on it.

#include <algorithm>
#include <iterator>
#include <cmath>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "race/race_meeting.h"
#include "shop/console.h"
#include "shop/shop_desk.h"
#include "support/banks_stand_in.h"
#include "support/steady_random.h"
#include "support/world.h"
#include "world/city_table.h"
#include "world/route_file.h"

namespace gallox::testing {

using Fault = std::optional<std::string>;

// Longer than any error the start-up box should have to lay out.
inline constexpr std::size_t kLongestError = 300;

// A route file: either a table of sound routes, or an error naming the file, the line and the
// fault in a short printable message, with the table read before left as it was.
inline Fault routeFileFault(std::string_view bytes) {
  CityTable cities;
  cities.loadCities();
  RouteTable table;
  std::istringstream earlier("0;Bath;Bristol;4\n"), in{std::string(bytes)};
  table.read(earlier, "cons.htx", cities);
  try {
    table.read(in, "cons.htx", cities);
  } catch (const WorldError& error) {
    const std::string message = error.what();
    if (message.size() > kLongestError) return "an error of " + std::to_string(message.size()) + " bytes";
    if (message.rfind("Route file cons.htx, line ", 0) != 0 || message.find(": ") == std::string::npos)
      return "an error without file, line and fault: " + message;
    const auto control = [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; };
    if (std::any_of(message.begin(), message.end(), control)) return "a control character in: " + message;
    if (message.find("\uFEFF") != std::string::npos) return "a byte-order mark in: " + message;
    if (table.routeMax() != 0 || table.route(0).fare != 4.0f) return "a failed read changed the table";
    return {};
  }
  if (table.routeMax() >= kMaxRoutes) return "more than 51 routes";
  for (const RouteRec& r : table.routes())
    if (r.vehicleCode < 0 || r.vehicleCode >= kVehicleCount || r.fromCity < 0 || r.fromCity >= kCityCount ||
        r.toCity < 0 || r.toCity >= kCityCount || !std::isfinite(r.fare) || r.fare < 0.0f)
      return "an unsound route";
  return {};
}

// A stake typed at a race: taken whole from the purse within the limits, or refused with the
// purse and the bet as they were.
inline Fault stakeFault(std::string_view bytes) {
  constexpr float kPurse = 2000.0f;
  const std::optional<double> value = RaceMeeting::parseStake(bytes);
  if (value && std::isnan(*value)) return "a stake of NaN";

  LonePlayer lone;
  lone.player.setMoney(kPurse);
  SteadyRandom random;
  random.racing = true;
  RaceMeeting meeting(lone.player, kHorses, random);
  meeting.sendData(1, "Bath", 3);
  meeting.nextRace();
  const RaceMeeting::BetResult bet = meeting.setBet(bytes, 0);
  const float purse = lone.player.Money();
  if (bet.outcome != RaceMeeting::Bet::Taken) {
    if (purse != kPurse || meeting.betAmount() != 0.0f) return "a refused stake moved money";
    if (bet.outcome == RaceMeeting::Bet::Refused && bet.message.empty()) return "a refusal without a word";
  } else if (!value || *value < meeting.horseOf(meeting.field()[0]).minBet || *value > 1500.0 ||
             purse != kPurse - static_cast<float>(*value)) {
    return "a stake taken outside the limits or paid wrongly";
  }
  return {};
}

// Lines typed into the console, one a line: a command takes effect, anything else changes
// nothing and says nothing, and the purse and the banks stay finite.
inline Fault consoleFault(std::string_view bytes) {
  static constexpr std::string_view kCommands[] = {
      "RICHIE", "!", "DRUGZ", "NP", "BUYNP", "BANK", "NEXT BANK", "PREV BANK", "BORROW", "REPAY", "DEPOSIT", "PICK"};
  GameWorld<SteadyRandom> world;
  world.start();
  ShopDesk shop(world.player(), world.messenger);
  BanksStandIn banks(world.game.banks());
  Console console(world.player(), shop, banks);
  for (std::size_t from = 0; from <= bytes.size();) {
    const std::size_t end = std::min(bytes.find('\n', from), bytes.size());
    const std::string line(bytes.substr(from, end - from));
    from = end + 1;
    const Player& player = world.player();
    const float money = player.Money();
    const auto issues = player.newspapers(), dopings = player.dopings();
    const std::size_t logged = banks.log.size(), said = world.messenger.messages.size();
    console.interpret(line);

    std::string typed = line;
    for (char& c : typed) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    const bool known = std::find(std::begin(kCommands), std::end(kCommands), typed) != std::end(kCommands);
    if (!known && (player.Money() != money || player.newspapers() != issues || player.dopings() != dopings ||
                   banks.log.size() != logged || world.messenger.messages.size() != said))
      return "an unknown command changed the game";
    if (!std::isfinite(player.Money())) return "a purse that is not finite";
    for (const Bank& bank : world.game.banks())
      if (!std::isfinite(bank.CurDep()) || bank.YourLoan() < 0.0f || bank.YourLoan() > 10.0f * bank.DDStep())
        return "a bank out of its limits";
  }
  return {};
}

}  // namespace gallox::testing
