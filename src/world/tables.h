// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// The fixed world: banks, race parks, horses, stables and cities. Nothing here changes
// during a game; what changes lives in the objects built from these rows.

#include <array>
#include <cstdint>
#include <string_view>

namespace gallox {

inline constexpr int kBankCount = 6;
inline constexpr int kCityCount = 14;
inline constexpr int kHorseCount = 30;
inline constexpr int kVehicleCount = 4;

struct BankRow {
  std::string_view name;
  int ddStep;
  float debtInt;
  float depInt;
};

inline constexpr std::array<BankRow, kBankCount> kBankRows = {{
    {"Wilson's", 50, 0.02f, 100.1f},
    {"West Side", 200, 0.025f, 100.15f},
    {"Miami Bank", 500, 0.03f, 100.2f},
    {"Greiff", 1000, 0.04f, 100.3f},
    {"Xanadu Bank", 5000, 0.05f, 100.4f},
    {"Quatrix", 10000, 0.06f, 100.5f},
}};

struct RaceParkRow {
  int probability;
  int maxRaces;
  int maxHorses;
  int travelFee;
  int entranceFee;
};

// Indexed like the cities: park i belongs to city i.
inline constexpr std::array<RaceParkRow, kCityCount> kRaceParkRows = {{
    {30, 3, 6, 10, 10},  // Bath
    {50, 3, 5, 10, 12},  // Bournemouth
    {40, 5, 7, 8, 15},   // Bristol
    {20, 3, 5, 8, 10},   // Cardiff
    {15, 2, 3, 5, 5},    // Exeter
    {10, 3, 4, 6, 6},    // Gloucester
    {70, 7, 8, 15, 20},  // London
    {30, 4, 3, 8, 8},    // Merthyr Tydfil
    {40, 6, 8, 20, 15},  // Newport
    {40, 3, 5, 8, 10},   // Penzance
    {45, 4, 6, 6, 10},   // Plymouth
    {60, 6, 7, 10, 15},  // Southampton
    {30, 3, 4, 8, 8},    // Taunton
    {20, 2, 4, 8, 10},   // Yeovil
}};

// One horse. The smaller speedExp, the faster the horse.
struct HorseRec {
  std::string_view name;
  float speedExp;
  std::int16_t minBet;
};

// From the slowest to the fastest.
inline constexpr std::array<HorseRec, kHorseCount> kHorses = {{
    {"Priest", 1.5f, 20},          {"Johny", 1.5f, 25},          {"Walker", 1.48f, 25},
    {"Ben", 1.45f, 40},            {"Lenny", 1.42f, 25},         {"Brendan", 1.4f, 20},
    {"Smokey", 1.37f, 50},         {"Nigel Norris", 1.3f, 25},   {"Sam Russell", 1.28f, 20},
    {"Napoleon", 1.25f, 25},       {"Malcolm Z", 1.21f, 30},     {"Quentino", 1.18f, 35},
    {"Oscar Wild", 1.17f, 40},     {"Payne", 1.14f, 75},         {"Max Newton", 1.12f, 60},
    {"Billy Boy", 1.1f, 75},       {"Yahoo", 1.09f, 90},         {"Snoopey", 1.0f, 100},
    {"Rainbow Seven", 0.99f, 150}, {"Tuxen", 0.92f, 200},        {"Superstar", 0.87f, 250},
    {"St.Supersson", 0.8f, 300},   {"Xavier", 0.71f, 400},       {"Sweeper Smasher", 0.65f, 500},
    {"Nonpareil", 0.6f, 650},      {"Wind Horse", 0.58f, 700},   {"Lord", 0.56f, 800},
    {"Fergusson", 0.54f, 1000},    {"Blaster", 0.51f, 1200},     {"Lucky Strike", 0.5f, 1250},
}};

struct StableRow {
  std::string_view name;
  std::int16_t basePrice;
};

inline constexpr std::array<StableRow, 6> kStableRows = {{
    {"Dejavu", 50},
    {"Allstars Horses", 100},
    {"Baron Kestrel's", 200},
    {"Free Horses Association", 300},
    {"Gustav Albert 1840", 500},
    {"Fergusson's", 1000},
}};

// In alphabetical order; the position is the city index everywhere.
inline constexpr std::array<std::string_view, kCityCount> kCityNames = {
    "Bath",    "Bournemouth", "Bristol",  "Cardiff",     "Exeter",  "Gloucester", "London",
    "Merthyr Tydfil", "Newport", "Penzance", "Plymouth", "Southampton", "Taunton", "Yeovil"};

inline constexpr std::array<std::string_view, kVehicleCount> kVehicleNames = {"Bus", "Train",
                                                                              "Airplane", "Ship"};

}  // namespace gallox
