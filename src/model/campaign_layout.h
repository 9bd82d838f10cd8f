#pragma once
// Byte layout of the game's campaign file: the record in the order header, 50 scenario slots,
// trailer, no gaps, numbers little-endian.
#include <cstddef>

namespace mf7::layout {

constexpr std::size_t kTextField = 20;
constexpr std::size_t kMaxScenarios = 50;

constexpr std::size_t kScenarioCount = 0;
constexpr std::size_t kPlayerStartPrestige = 2;
constexpr std::size_t kWinSmk = 4;
constexpr std::size_t kLoseSmk = 24;
constexpr std::size_t kFirstSlot = 44;
constexpr std::size_t kSlotSize = 636;
constexpr std::size_t kDescriptionTxt = kFirstSlot + kSlotSize * kMaxScenarios; // 31,844
constexpr std::size_t kTrailerExtra = kDescriptionTxt + kTextField;             // 31,864
constexpr std::size_t kTrailerExtraSize = 80;
constexpr std::size_t kFileSize = kTrailerExtra + kTrailerExtraSize; // 31,944

// Offsets inside one scenario slot.
namespace slot {
constexpr std::size_t kMaxPrestigeCap = 0;
constexpr std::size_t kStartPrestigeCap = 2;
constexpr std::size_t kAiPrestige = 4;
constexpr std::size_t kPlayerStartPrestige = 6;
constexpr std::size_t kScnFile = 8;
constexpr std::size_t kScnSmk = 28;
constexpr std::size_t kScnMus = 48;
constexpr std::size_t kScnTxt = 68;
// The four outcomes' prestige and file blocks: 82 bytes each from 88.
constexpr std::size_t kOutcomeFiles = 88;
constexpr std::size_t kOutcomeFilesSize = 82;
// Inside such a block.
constexpr std::size_t kPrestige = 0;
constexpr std::size_t kSmk = 2;
constexpr std::size_t kMus = 22;
constexpr std::size_t kTxt = 42;
constexpr std::size_t kSmkAfter = 62;
// The four outcomes' goto blocks: 30 bytes each from 416.
constexpr std::size_t kOutcomeGotos = 416;
constexpr std::size_t kOutcomeGotosSize = 30;
constexpr std::size_t kGoto = 0;
constexpr std::size_t kIfPlayed = 2;
constexpr std::size_t kThenGoto = 4;
constexpr std::size_t kExtra = 6;
constexpr std::size_t kExtraSize = 24;
constexpr std::size_t kScnExtra = 536;
constexpr std::size_t kScnExtraSize = 100;
} // namespace slot

static_assert(kFileSize == 31944);
static_assert(slot::kOutcomeFiles + 4 * slot::kOutcomeFilesSize == slot::kOutcomeGotos);
static_assert(slot::kOutcomeGotos + 4 * slot::kOutcomeGotosSize == slot::kScnExtra);
static_assert(slot::kScnExtra + slot::kScnExtraSize == kSlotSize);

} // namespace mf7::layout
