#include "device/KeyCodeOutput.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace vexa {
namespace {

constexpr int kRepeat = 0x4000;
constexpr int kLeftShift = 0x02A, kRightShift = 0x036, kCapsLock = 0x03A;
constexpr int kLeftShiftUp = 0xC02A, kRightShiftUp = 0xC036;
constexpr int kEsc = 0x001;
constexpr int kKeyBits = 0x1FF;  // make code and extended bit

struct NamedKey {
  int flags;  // first press; the same value plus kRepeat names the key too
  std::string_view name;
};

// Caps Lock is left out: it has a name for its first press only.
constexpr std::array<NamedKey, 51> kNamedKeys = {{
    {0x001, "ESC"},       {0x00E, "Backspace"},  {0x00F, "Tab"},        {0x01C, "Enter"},
    {0x01D, "Ctrl"},      {0x02A, "Shift"},      {0x036, "RightShift"}, {0x037, "PAD*"},
    {0x039, "Space"},     {0x03B, "F1"},         {0x03C, "F2"},         {0x03D, "F3"},
    {0x03E, "F4"},        {0x03F, "F5"},         {0x041, "F7"},         {0x042, "F8"},
    {0x043, "F9"},        {0x045, "PauseBreak"}, {0x046, "ScrollLk"},   {0x047, "PAD7"},
    {0x048, "PAD8"},      {0x049, "PAD9"},       {0x04A, "PAD-"},       {0x04B, "PAD4"},
    {0x04C, "PAD5"},      {0x04D, "PAD6"},       {0x04E, "PAD+"},       {0x04F, "PAD1"},
    {0x050, "PAD2"},      {0x051, "PAD3"},       {0x052, "PAD0"},       {0x053, "PAD."},
    {0x057, "F11"},       {0x058, "F12"},        {0x11C, "PADEnter"},   {0x11D, "RightCtrl"},
    {0x135, "PAD/"},      {0x145, "NumLock"},    {0x147, "Home"},       {0x148, "ArrowUp"},
    {0x149, "PageUp"},    {0x14B, "ArrowLeft"},  {0x14D, "ArrowRight"}, {0x14F, "End"},
    {0x150, "ArrowDown"}, {0x151, "PageDown"},   {0x152, "Insert"},     {0x153, "Delete"},
    {0x15B, "Win"},       {0x15C, "RightWin"},   {0x15D, "Menu"},
}};

struct CharacterKey {
  int flags;  // first press only
  char plain, shifted;
};

constexpr std::array<CharacterKey, 21> kCharacterKeys = {{
    {0x02, '1', '!'},  {0x03, '2', '@'}, {0x04, '3', '#'},  {0x05, '4', '$'}, {0x06, '5', '%'},
    {0x07, '6', '^'},  {0x08, '7', '&'}, {0x09, '8', '*'},  {0x0A, '9', '('}, {0x0B, '0', ')'},
    {0x0C, '-', '_'},  {0x0D, '=', '+'}, {0x1A, '[', '{'},  {0x1B, ']', '}'}, {0x27, ';', ':'},
    {0x28, '\'', '"'}, {0x29, '`', '~'}, {0x2B, '\\', '|'}, {0x33, ',', '<'}, {0x34, '.', '>'},
    {0x35, '/', '?'},
}};

std::string Named(std::string_view name) {
  std::string text = ", [";
  text += name;
  text += ']';
  return text;
}

}  // namespace

std::string KeyCodeOutput::KeyName(int keyCode, int flags, bool shift, int capsLockState) {
  if (flags == kCapsLock) return Named("CapsLock");
  const int firstPress = flags & ~kRepeat;
  const auto named = std::find_if(kNamedKeys.begin(), kNamedKeys.end(),
                                  [&](const NamedKey& k) { return k.flags == firstPress; });
  if (named != kNamedKeys.end()) return Named(named->name);

  if (keyCode >= 'A' && keyCode <= 'Z') {
    const bool lower = (shift ? 1 : 0) == capsLockState;
    return std::string(1, static_cast<char>(lower ? keyCode + 0x20 : keyCode));
  }

  const auto character = std::find_if(kCharacterKeys.begin(), kCharacterKeys.end(),
                                      [&](const CharacterKey& k) { return k.flags == flags; });
  if (character != kCharacterKeys.end()) return std::string(1, shift ? character->shifted : character->plain);
  return {};
}

std::string KeyCodeOutput::KeyDown(int keyCode, int flags, int capsLockState) {
  const int firstPress = flags & ~kRepeat;
  if (firstPress == kLeftShift || firstPress == kRightShift) m_shift = true;
  // A repeat of a key that went down before the test opened: the opening key.
  const int key = flags & kKeyBits;
  if ((flags & kRepeat) == 0) {
    m_pressedSinceOpen.insert(key);
  } else if (m_opened && m_pressedSinceOpen.count(key) == 0) {
    return {};
  }
  std::string name = KeyName(keyCode, flags, m_shift, capsLockState);
  m_text += name;
  return name;
}

void KeyCodeOutput::KeyUp(int flags) {
  if (flags == kLeftShiftUp || flags == kRightShiftUp) m_shift = false;
}

bool KeyCodeOutput::QuitRequested(int flags, std::int64_t timeMs) {
  if (flags & kRepeat) return false;
  if (flags != kEsc) {
    m_escTimes.clear();
    return false;
  }
  m_escTimes.push_back(timeMs);
  if (m_escTimes.size() > static_cast<size_t>(kQuitPresses)) m_escTimes.erase(m_escTimes.begin());
  if (m_escTimes.size() < static_cast<size_t>(kQuitPresses) || timeMs - m_escTimes.front() > kQuitWindowMs)
    return false;
  m_escTimes.clear();
  return true;
}

bool KeyCodeOutput::IsInQuitBox(int x, int y) {
  return x > kQuitBox.left && x < kQuitBox.right && y > kQuitBox.top && y < kQuitBox.bottom;
}

}  // namespace vexa
