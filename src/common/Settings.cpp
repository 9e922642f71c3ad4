// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Settings.h"

#include <array>

namespace {
using IntMember = Settings::Int Settings::*;

constexpr std::array<IntMember, Settings::kKeySlots> kVkMembers = {
    &Settings::vk0,  &Settings::vk1,  &Settings::vk2,  &Settings::vk3,  &Settings::vk4,
    &Settings::vk5,  &Settings::vk6,  &Settings::vk7,  &Settings::vk8,  &Settings::vk9,
    &Settings::vk10, &Settings::vk11, &Settings::vk12, &Settings::vk13, &Settings::vk14,
    &Settings::vk15, &Settings::vk16, &Settings::vk17, &Settings::vk18, &Settings::vk19, &Settings::vk20};
constexpr std::array<IntMember, Settings::kKeySlots> kSkMembers = {
    &Settings::sk0,  &Settings::sk1,  &Settings::sk2,  &Settings::sk3,  &Settings::sk4,
    &Settings::sk5,  &Settings::sk6,  &Settings::sk7,  &Settings::sk8,  &Settings::sk9,
    &Settings::sk10, &Settings::sk11, &Settings::sk12, &Settings::sk13, &Settings::sk14,
    &Settings::sk15, &Settings::sk16, &Settings::sk17, &Settings::sk18, &Settings::sk19, &Settings::sk20};
} // namespace

Settings::Int& Settings::vk(int slot)
{
    return this->*kVkMembers.at(std::size_t(slot));
}
Settings::Int& Settings::sk(int slot)
{
    return this->*kSkMembers.at(std::size_t(slot));
}
