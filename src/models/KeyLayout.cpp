#include "models/KeyLayout.h"

#include <array>
#include <charconv>
#include <span>
#include <string_view>

namespace vexa {
namespace {

// A run of consecutive layout positions in one line of keys. The k-th key of the
// run (k from 0) has its left edge at left + step * k. Labels and key indexes are
// listed in position order, separated by single blanks; "" is one empty label.
struct Run {
  int top, first, last, left, step, width, height;
  std::string_view labels;
  std::string_view keyIndexes;
};

// Arrow navigation, written as on the layout sheets:
//   rows     "[a-b, c-d]; [e-f]": left/right move along each row and wrap at its ends;
//   up, down "a-b +k" (p goes to p + k), "a-b -k" (to p - k), "a-b -> t" (all go to t),
//            entries separated by ";", "a" alone standing for "a-a".
struct Navigation {
  std::string_view rows, up, down;
};

struct LayoutSheet {
  std::span<const Run> runs;
  Navigation navigation;
};

// clang-format off
//  top  positions  left+step*k  width height  labels  key indexes
constexpr Run kPx2400Runs[] = {
    {50, 123, 123,  55,  0,  57, 25, "KeyLock", "160"},
    {50,  95, 104, 205, 30,  27, 25, "K1 K2 K3 K4 K5 K6 K7 K8 K9 K10", "65 79 18 36 16 137 107 0 32 9"},
    {50, 105, 107, 515, 30,  27, 25, "K11 K12 K13", "139 52 123"},
    {50, 108, 110, 615, 30,  27, 25, "K14 K15 K16", "105 83 95"},
    {80, 111, 113, 615, 30,  27, 25, "K17 K18 K19", "20 119 24"},
    {95,  77,  91,  55, 30,  27, 25, "ESC F1 F2 F3 F4 F5 F6 F7 F8 F9 F10 F11 F12 F13 F14",
                                     "64 14 15 98 57 142 60 89 4 8 138 69 33 61 54"},
    {95,  92,  94, 515, 30,  27, 25, "F15 F16 F17", "63 128 38"},
    {110, 114, 116, 615, 30, 27, 25, "K20 K21 K22", "26 101 140"},
    {140,   0,  14,  55, 30, 27, 25, "` 1 2 3 4 5 6 7 8 9 0 - = \\ BS",
                                     "13 143 135 134 133 7 6 132 131 130 136 17 5 87 110"},
    {140,  62,  64, 515, 30, 27, 25, "Num - +", "50 25 104"},
    {140, 117, 119, 615, 30, 27, 25, "K23 K24 K25", "55 120 37"},
    {170,  15,  15,  55,  0, 44, 25, "Tab", "100"},
    {170,  16,  27, 102, 30, 27, 25, "Q W E R T Y U I O P { }", "118 117 116 115 97 96 114 113 112 122 108 88"},
    {170,  28,  28, 462,  0, 40, 30, "", "28"},
    {170,  65,  67, 515, 30, 27, 25, "7 8 9", "125 126 127"},
    {170, 120, 122, 615, 30, 27, 25, "K26 K27 K28", "92 1 109"},
    {200,  29,  29,  55,  0, 57, 25, "CapsLk", "99"},
    {200,  30,  40, 115, 30, 27, 25, "A S D F G H J K L : \"", "82 81 80 72 58 59 73 74 75 94 71"},
    {200,  41,  41, 445,  0, 57, 25, "Enter", "51"},
    {200,  68,  70, 515, 30, 27, 25, "4 5 6", "111 103 102"},
    {230,  42,  42,  55,  0, 72, 25, "Shift", "91"},
    {230,  43,  52, 130, 30, 27, 25, "Z X C V B N M < > ?", "41 42 43 44 30 31 45 46 47 35"},
    {230,  53,  53, 430,  0, 72, 25, "Shift", "77"},
    {230,  71,  73, 515, 30, 27, 25, "1 2 3", "86 85 84"},
    {260,  54,  54,  55,  0, 42, 25, "Ctl", "12"},
    {260,  55,  55, 100,  0, 27, 25, "Win", "106"},
    {260,  56,  56, 130,  0, 42, 25, "Alt", "70"},
    {260,  57,  57, 175,  0, 207, 25, "Space", "68"},
    {260,  58,  61, 385, 30, 27, 25, "Alt Win Men Ctl", "34 93 22 40"},
    {260,  74,  76, 515, 30, 27, 25, "0 . CR", "67 66 76"},
};

constexpr Navigation kPx2400Navigation = {
    "[0-14, 62-64, 117-119]; [15-27, 65-67, 120-122]; [29-41, 68-70]; [42-53, 71-73]; [54-61, 74-76];"
    " [77-94, 111-113]; [95-110, 123]; [114-116]",
    "0-14 +77; 15-27 -15; 28 -> 28; 29-41 -14; 42-53 -13; 54-61 -12; 62-64 +30; 65-76 -3; 77-78 -> 123;"
    " 79-81 -24; 82-94 +13; 95-100 -> 57; 101-104 -43; 105-107 -31; 108-110 +12; 111-122 -3; 123 -> 54",
    "0-12 +15; 13-14 -> 41; 15-27 +14; 28 -> 28; 29-30 -> 42; 31-45 +12; 46-50 -> 57; 51-53 +7; 54-57 +23;"
    " 58-61 +43; 62-73 +3; 74-76 +31; 77-91 -77; 92-94 -30; 95-107 -13; 108-119 +3; 120-122 -12; 123 -> 77",
};

constexpr Run kPx2100Runs[] = {
    {50, 121, 121, 620,  0,  57, 25, "KeyLock", "160"},
    {80, 102, 116,  80, 30,  27, 25, "F19 F20 F21 F22 F23 F24 F25 F26 F27 F28 F29 F30 F31 F32 F33",
                                     "3 12 15 7 6 4 17 2 8 5 18 14 13 10 9"},
    {80, 117, 120, 560, 30,  27, 25, "F34 F35 F36 F37", "68 56 60 125"},
    {110, 83,  97,  80, 30,  27, 25, "ESC F1 F2 F3 F4 F5 F6 F7 F8 F9 F10 F11 F12 F13 F14",
                                     "104 119 116 115 114 112 122 105 124 113 79 121 117 118 126"},
    {110, 98, 101, 560, 30,  27, 25, "F15 F16 F17 F18", "86 28 66 140"},
    {140,  0,  14,  80, 30,  27, 25, "` 1 2 3 4 5 6 7 8 9 0 - = \\ BS",
                                     "11 90 101 98 97 96 89 108 91 110 88 107 0 99 100"},
    {140, 79,  82, 560, 30,  27, 25, "Num / * -", "71 59 1 109"},
    {170, 15,  15,  80,  0,  44, 25, "Tab", "39"},
    {170, 16,  27, 127, 30,  27, 25, "Q W E R T Y U I O P { }", "40 43 44 45 47 53 38 51 46 54 36 42"},
    {170, 28,  28, 487,  0,  40, 30, "", "81"},
    {170, 75,  77, 560, 30,  27, 25, "7 8 9", "128 130 24"},
    {170, 78,  78, 650,  0,  27, 55, "+", "95"},
    {200, 29,  29,  80,  0,  57, 25, "CapsLk", "76"},
    {200, 30,  40, 140, 30,  27, 25, "A S D F G H J K L : \"", "83 80 72 73 75 94 77 87 74 82 93"},
    {200, 41,  41, 470,  0,  57, 25, "Enter", "81"},
    {200, 72,  74, 560, 30,  27, 25, "4 5 6", "63 61 134"},
    {230, 42,  42,  80,  0,  72, 25, "Shift", "102"},
    {230, 43,  52, 155, 30,  27, 25, "Z X C V B N M < > ?", "21 26 29 30 31 22 35 20 33 23"},
    {230, 53,  53, 455,  0,  72, 25, "Shift", "138"},
    {230, 67,  70, 530, 30,  27, 25, "^ 1 2 3", "69 58 133 57"},
    {230, 71,  71, 650,  0,  27, 55, "CR", "123"},
    {260, 54,  54,  80,  0,  42, 25, "Ctl", "127"},
    {260, 55,  55, 125,  0,  27, 25, "Win", "62"},
    {260, 56,  56, 155,  0,  42, 25, "Alt", "65"},
    {260, 57,  57, 200,  0, 177, 25, "Space", "48"},
    {260, 58,  66, 380, 30,  27, 25, "Alt Win Men Ctl <- v -> 0 .", "92 84 85 27 129 64 120 19 52"},
};

constexpr Navigation kPx2100Navigation = {
    "[0-14, 79-82]; [15-27, 75-78]; [29-41, 72-74]; [42-53, 67-71]; [54-66]; [83-101]; [102-120]; [121]",
    "0-14 +83; 15-27 -15; 28 -> 28; 29-41 -14; 42-53 -13; 54-62 -12; 63-66 +4; 67 -> 63; 68-70 +4; 71 -> 78;"
    " 72-74 +3; 75-78 +4; 79-101 +19; 102-105 -48; 106-111 -> 57; 112-116 -54; 117-119 -53; 120 -> 121;"
    " 121 -> 71",
    "0-12 +15; 13-14 -> 41; 15-27 +14; 28 -> 28; 29-30 -> 42; 31-45 +12; 46-50 -> 57; 51-53 +7; 54-62 +48;"
    " 63 -> 67; 64-66 +53; 67-70 -4; 71 -> 121; 72-74 -4; 75-77 -3; 78 -> 71; 79-82 -4; 83-97 -83;"
    " 98-120 -19; 121 -> 120",
};

constexpr Run kPx2200Runs[] = {
    {50, 133, 133, 652,  0,  57, 25, "KeyLock", "160"},
    {80, 111, 132,  52, 30,  27, 25,
     "F22 F23 F24 F25 F26 F27 F28 F29 F30 F31 F32 F33 F34 F35 F36 F37 F38 F39 F40 F41 F42 F43",
     "129 142 134 133 132 130 136 128 138 131 0 135 143 141 139 68 56 60 67 102 55 109"},
    {110, 89, 110,  52, 30,  27, 25,
     "ESC F1 F2 F3 F4 F5 F6 F7 F8 F9 F10 F11 F12 F13 F14 F15 F16 F17 F18 F19 F20 F21",
     "21 26 29 30 31 22 35 20 33 23 79 36 28 27 25 32 9 117 108 96 92 137"},
    {140,  0,  14,  52, 30,  27, 25, "` 1 2 3 4 5 6 7 8 9 0 - = \\ BS",
                                     "140 76 83 80 72 73 75 94 77 87 74 93 107 81 82"},
    {140, 82,  88, 502, 30,  27, 25, "Ins Hom PgU Num / * -", "84 86 99 71 59 106 95"},
    {170, 15,  15,  52,  0,  44, 25, "Tab", "39"},
    {170, 16,  27,  99, 30,  27, 25, "Q W E R T Y U I O P { }", "40 43 44 45 47 53 38 51 46 54 121 42"},
    {170, 28,  28, 459,  0,  40, 30, "", "14"},
    {170, 75,  80, 502, 30,  27, 25, "Del End PgD 7 8 9", "41 48 50 91 89 127"},
    {170, 81,  81, 682,  0,  27, 55, "+", "16"},
    {200, 29,  29,  52,  0,  57, 25, "CapsLk", "3"},
    {200, 30,  40, 112, 30,  27, 25, "A S D F G H J K L : \"", "12 15 7 6 4 17 2 8 5 13 18"},
    {200, 41,  41, 442,  0,  57, 25, "Enter", "14"},
    {200, 72,  74, 592, 30,  27, 25, "4 5 6", "63 61 98"},
    {230, 42,  42,  52,  0,  72, 25, "Shift", "85"},
    {230, 43,  52, 127, 30,  27, 25, "Z X C V B N M < > ?", "104 119 116 115 114 112 122 105 124 113"},
    {230, 53,  53, 427,  0,  72, 25, "Shift", "110"},
    {230, 67,  68, 532, 60,  27, 25, "^ 1", "69 58"},
    {230, 69,  70, 622, 30,  27, 25, "2 3", "97 57"},
    {230, 71,  71, 682,  0,  27, 55, "CR", "34"},
    {260, 54,  54,  52,  0,  42, 25, "Ctl", "24"},
    {260, 55,  55,  97,  0,  27, 25, "Win", "62"},
    {260, 56,  56, 127,  0,  42, 25, "Alt", "65"},
    {260, 57,  57, 172,  0, 207, 25, "Space", "49"},
    {260, 58,  65, 382, 30,  27, 25, "Alt Win Men Ctl <- v -> 0", "19 10 11 118 90 64 37 1"},
    {260, 66,  66, 652,  0,  27, 25, ".", "52"},
};

constexpr Navigation kPx2200Navigation = {
    "[0-14, 82-88]; [15-27, 75-81]; [29-41, 72-74]; [42-53, 67-71]; [54-66]; [89-110]; [111-132]; [133]",
    "0-14 +89; 15-27 -15; 28 -> 28; 29-41 -14; 42-53 -13; 54-61 -12; 62 -> 75; 63 -> 67; 64 -> 77; 65 -> 68;"
    " 66 -> 70; 67 -> 76; 68-70 +4; 71 -> 81; 72-74 +6; 75-81 +7; 82-110 +22; 111-114 -57; 115-121 -> 57;"
    " 122-130 -64; 131 -> 66; 132 -> 133; 133 -> 71",
    "0-12 +15; 13-14 -> 41; 15-27 +14; 28 -> 28; 29-30 -> 42; 31-45 +12; 46-50 -> 57; 51-53 +7; 54-57 +57;"
    " 58-65 +64; 66 -> 131; 67 -> 63; 68-69 -> 65; 70 -> 66; 71 -> 133; 72-74 -4; 75 -> 62; 76 -> 67;"
    " 77 -> 64; 78-80 -6; 81 -> 71; 82-88 -7; 89-103 -89; 104-132 -22; 133 -> 132",
};

constexpr Run kDv3500Runs[] = {
    {55,  66, 66, 100,  0, 75, 30, "KeyLock", "113"},
    {95,   0,  4, 100, 40, 35, 30, "L11 L21 L31 L41 L51", "57 58 59 60 61"},
    {95,   5,  6, 300, 70, 45, 30, "M11 M21", "62 55"},
    {95,   7, 12, 420, 40, 35, 30, "R11 R21 R31 R41 R51 X11", "54 53 52 51 50 49"},
    {135, 13, 26, 100, 40, 35, 30, "L12 L22 L32 L42 L52 7 8 9 R12 R22 R32 R42 R52 X12",
                                   "73 74 75 76 77 78 79 71 70 69 68 67 66 65"},
    {175, 27, 39, 100, 40, 35, 30, "L13 L23 L33 L43 L53 4 5 6 R13 R23 R33 R43 R53",
                                   "89 90 91 92 93 94 95 87 86 85 84 83 82"},
    {215, 40, 52, 100, 40, 35, 30, "L14 L24 L34 L44 L54 1 2 3 R14 R24 R34 R44 R54",
                                   "105 106 107 108 109 110 111 103 102 101 100 99 98"},
    {255, 53, 65, 100, 40, 35, 30, "L15 L25 L35 L45 L55 0 00 . R15 R25 R35 R45 R55",
                                   "121 122 123 124 125 126 127 119 118 117 116 115 114"},
};

constexpr Navigation kDv3500Navigation = {
    "[0-12]; [13-26]; [27-39]; [40-52]; [53-65]; [66]",
    "0 -> 66; 1-5 +53; 6-11 +54; 12 -> 26; 13-18 -13; 19 -> 59; 20-39 -14; 40-66 -13",
    "0-5 +13; 6-25 +14; 26 -> 12; 27-53 +13; 54-58 -53; 59 -> 19; 60-65 -54; 66 -> 0",
};

constexpr Run kDv3100Runs[] = {
    {130, 0,  5, 100, 93, 69, 30, "K01 K02 K03 K04 K05 K06", "105 106 107 108 109 110"},
    {180, 6, 16, 100, 50, 35, 30, "K07 K08 K09 K10 K11 K12 K13 K14 K15 K16 K17",
                                  "121 122 123 124 125 126 127 119 118 117 116"},
};

// Up and down are the same move: between the six wide keys and the eleven below them.
constexpr std::string_view kDv3100UpDown =
    "0 -> 6; 1 -> 8; 2 -> 10; 3 -> 12; 4 -> 14; 5 -> 16; 6-7 -> 0; 8-9 -> 1; 10-11 -> 2; 12-13 -> 3;"
    " 14-15 -> 4; 16 -> 5";
constexpr Navigation kDv3100Navigation = {"[0-5]; [6-16]", kDv3100UpDown, kDv3100UpDown};
// clang-format on

// The DV3300 is a grid of 22 columns (A..V) and 8 rows; position p is column
// p / 8, row p % 8, and is its own key index.
constexpr int kGridColumns = 22, kGridRows = 8;

constexpr int kNone = -1;

// The built layout of one model. Anything in the sheets that does not fit the
// model (a position named twice or outside the model, a run whose lists
// disagree with its length, an entry that does not parse) leaves kNone in the
// key index or the move, which the layout tests reject.
struct BuiltLayout {
  std::vector<LayoutKey> keys;
  std::vector<std::array<int, 4>> moves;
};

std::string_view Trim(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

std::vector<std::string_view> Split(std::string_view s, char separator) {
  std::vector<std::string_view> parts;
  for (;;) {
    const size_t at = s.find(separator);
    parts.push_back(s.substr(0, at));
    if (at == std::string_view::npos) return parts;
    s.remove_prefix(at + 1);
  }
}

// Reads a decimal number at the front of `s` and removes it.
bool TakeNumber(std::string_view& s, int& value) {
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end == s.data()) return false;
  s.remove_prefix(static_cast<size_t>(end - s.data()));
  return true;
}

// Reads "a" or "a-b" at the front of `s`.
bool TakeRange(std::string_view& s, int& first, int& last) {
  if (!TakeNumber(s, first)) return false;
  last = first;
  if (s.size() >= 2 && s[0] == '-' && s[1] >= '0' && s[1] <= '9') {
    s.remove_prefix(1);
    return TakeNumber(s, last) && last >= first;
  }
  return true;
}

class Builder {
 public:
  explicit Builder(int keyCount)
      : m_layout{std::vector<LayoutKey>(static_cast<size_t>(keyCount), LayoutKey{"", kNone, {}}),
                 std::vector<std::array<int, 4>>(static_cast<size_t>(keyCount),
                                                 {kNone, kNone, kNone, kNone})},
        m_placed(static_cast<size_t>(keyCount), false),
        m_moved(static_cast<size_t>(keyCount), std::array<bool, 4>{}) {}

  void Place(int position, std::string label, int keyIndex, KeyRect rect) {
    if (!Fits(position)) return Spoil();
    auto& key = m_layout.keys[static_cast<size_t>(position)];
    const bool twice = m_placed[static_cast<size_t>(position)];
    m_placed[static_cast<size_t>(position)] = true;
    key = {std::move(label), twice ? kNone : keyIndex, rect};
  }

  void Move(int position, int direction, int target) {
    if (!Fits(position)) return Spoil();
    bool& moved = m_moved[static_cast<size_t>(position)][static_cast<size_t>(direction)];
    m_layout.moves[static_cast<size_t>(position)][static_cast<size_t>(direction)] = moved ? kNone : target;
    moved = true;
  }

  void AddRuns(std::span<const Run> runs) {
    for (const Run& run : runs) {
      const std::vector<std::string_view> labels = Split(run.labels, ' ');
      std::vector<int> keyIndexes;
      for (std::string_view text : Split(run.keyIndexes, ' ')) {
        int keyIndex = kNone;
        if (!TakeNumber(text, keyIndex) || !text.empty()) keyIndex = kNone;
        keyIndexes.push_back(keyIndex);
      }
      const int count = run.last - run.first + 1;
      const bool listsFit = count > 0 && labels.size() == static_cast<size_t>(count) &&
                            keyIndexes.size() == static_cast<size_t>(count);
      for (int k = 0; k < count; ++k) {
        const auto at = static_cast<size_t>(k);
        Place(run.first + k, listsFit ? std::string(labels[at]) : std::string(),
              listsFit ? keyIndexes[at] : kNone, {run.left + run.step * k, run.top, run.width, run.height});
      }
    }
  }

  // "[a-b, c-d]; [e-f]": each bracket is one row of positions in order.
  void AddRows(std::string_view text) {
    for (std::string_view rowText : Split(text, ';')) {
      rowText = Trim(rowText);
      if (rowText.size() < 2 || rowText.front() != '[' || rowText.back() != ']') return Spoil();
      std::vector<int> row;
      for (std::string_view part : Split(rowText.substr(1, rowText.size() - 2), ',')) {
        part = Trim(part);
        int first = 0, last = 0;
        if (!TakeRange(part, first, last) || !part.empty()) return Spoil();
        for (int p = first; p <= last; ++p) row.push_back(p);
      }
      const size_t n = row.size();
      for (size_t i = 0; i < n; ++i) {
        Move(row[i], kLeft, row[(i + n - 1) % n]);
        Move(row[i], kRight, row[(i + 1) % n]);
      }
    }
  }

  // "a-b +k; a-b -k; a-b -> t".
  void AddColumnMoves(std::string_view text, int direction) {
    for (std::string_view entry : Split(text, ';')) {
      entry = Trim(entry);
      int first = 0, last = 0, amount = 0;
      if (!TakeRange(entry, first, last)) return Spoil();
      entry = Trim(entry);
      enum { kPlus, kMinus, kTo } kind;
      if (entry.starts_with("->")) {
        kind = kTo;
        entry.remove_prefix(2);
      } else if (entry.starts_with('+') || entry.starts_with('-')) {
        kind = entry.front() == '+' ? kPlus : kMinus;
        entry.remove_prefix(1);
      } else {
        return Spoil();
      }
      entry = Trim(entry);
      if (!TakeNumber(entry, amount) || !entry.empty()) return Spoil();
      for (int p = first; p <= last; ++p)
        Move(p, direction, kind == kTo ? amount : kind == kPlus ? p + amount : p - amount);
    }
  }

  BuiltLayout Take() { return std::move(m_layout); }

 private:
  bool Fits(int position) const {
    return position >= 0 && static_cast<size_t>(position) < m_layout.keys.size();
  }
  // A sheet entry that names no position of the model: mark position 0 so the
  // fault cannot pass unnoticed.
  void Spoil() {
    if (m_layout.keys.empty()) return;
    m_layout.keys[0].keyIndex = kNone;
    m_layout.moves[0] = {kNone, kNone, kNone, kNone};
  }

  BuiltLayout m_layout;
  std::vector<bool> m_placed;
  std::vector<std::array<bool, 4>> m_moved;
};

BuiltLayout BuildFromSheet(const ModelInfo& model, const LayoutSheet& sheet) {
  Builder builder(model.keyCount);
  builder.AddRuns(sheet.runs);
  builder.AddRows(sheet.navigation.rows);
  builder.AddColumnMoves(sheet.navigation.up, kUp);
  builder.AddColumnMoves(sheet.navigation.down, kDown);
  if (HasLShapedEnter(model.id)) {
    // The upper block of the Enter key belongs to no row; left and right leave
    // it towards its neighbours in the Q row and the CapsLk row.
    builder.Move(28, kLeft, 27);
    builder.Move(28, kRight, 29);
  }
  return builder.Take();
}

BuiltLayout BuildGrid(const ModelInfo& model) {
  Builder builder(model.keyCount);
  for (int p = 0; p < kGridColumns * kGridRows; ++p) {
    const int column = p / kGridRows, row = p % kGridRows;
    std::string label{static_cast<char>('A' + column), static_cast<char>('1' + row)};
    builder.Place(p, std::move(label), p, {30 * column + 50, 30 * row + 50, 25, 25});
    const auto at = [](int c, int r) { return c * kGridRows + r; };
    builder.Move(p, kLeft, at((column + kGridColumns - 1) % kGridColumns, row));
    builder.Move(p, kRight, at((column + 1) % kGridColumns, row));
    builder.Move(p, kUp, at(column, (row + kGridRows - 1) % kGridRows));
    builder.Move(p, kDown, at(column, (row + 1) % kGridRows));
  }
  return builder.Take();
}

const std::array<BuiltLayout, 6>& AllLayouts() {
  static const std::array<BuiltLayout, 6> layouts = [] {
    const std::span<const ModelInfo> models = Models();
    return std::array<BuiltLayout, 6>{
        BuildFromSheet(models[0], {kPx2400Runs, kPx2400Navigation}),
        BuildFromSheet(models[1], {kPx2100Runs, kPx2100Navigation}),
        BuildFromSheet(models[2], {kPx2200Runs, kPx2200Navigation}),
        BuildFromSheet(models[3], {kDv3500Runs, kDv3500Navigation}),
        BuildFromSheet(models[4], {kDv3100Runs, kDv3100Navigation}),
        BuildGrid(models[5]),
    };
  }();
  return layouts;
}

const BuiltLayout& BuiltOf(int modelId) {
  return AllLayouts()[static_cast<size_t>(ModelOf(modelId).id - kFirstModelId)];
}

}  // namespace

const std::vector<LayoutKey>& LayoutOf(int modelId) { return BuiltOf(modelId).keys; }

int Neighbour(int modelId, int direction, int position) {
  const BuiltLayout& layout = BuiltOf(modelId);
  if (position < 0 || static_cast<size_t>(position) >= layout.moves.size()) return 0;
  if (direction < kLeft || direction > kDown) return position;
  return layout.moves[static_cast<size_t>(position)][static_cast<size_t>(direction)];
}

}  // namespace vexa
