// The keyboard feature switches, the inter-character delay and the serial port
// settings as the Config KB properties dialog shows them, read from and written
// back to four bytes of the memory image:
//   2042  inter-character delay in milliseconds
//   2043  feature flags A
//   2044  feature flags B
//   2022  feature flags C (only bit 5, OPOS/JPOS, is ours)
//
// Which bit means what depends on the model's feature flag layout:
//
//   bit  one-byte layout               serial port layout
//   A0   Alt+number entry (1 = on)     Alt+number entry (1 = on)
//   A2   break codes (0 = on!)         break codes (0 = on!)
//   A3   silent undefined keys         silent undefined keys
//   A4   typematic ASCII               use serial port
//   A5   set 2 translation             set 2 translation
//   A6   key beep                      key beep
//   A7   typematic scan code           -
//   B0-1 -                             baud rate index (2400/4800/9600/19200)
//   B2-3 -                             parity: B2 = NONE, else B3 = ODD, else EVEN
//   B4   -                             data bits (1 = 8 bits)
//   B5   use serial port, always 0     typematic ASCII
//   B6   -                             typematic scan code
//   C5   OPOS/JPOS (0 = on!)           OPOS/JPOS (0 = on!)
//
// Every other bit is left exactly as it was: A1 and, on the one-byte layout, B6
// and B7 carry the card reader settings. The bits are not converted when the
// model changes (a model switch resets the whole image anyway).
#pragma once

#include "document/MemoryImage.h"
#include "models/ModelTable.h"

namespace vexa {

struct FeatureSettings {
  enum Parity { kParityNone = 0, kParityEven = 1, kParityOdd = 2 };
  static constexpr int kDelayMin = 1, kDelayMax = 250;
  // List selections the one-byte layout leaves in place: 9600, NONE, 7 Bits.
  static constexpr int kInitialBaudIndex = 2, kInitialParityIndex = kParityNone, kInitialDataBitsIndex = 0;

  bool breakCodes = false;
  bool keyBeep = false;
  bool silentUndefinedKeys = false;
  bool set2Translation = false;
  bool altNumberEntry = false;
  bool typematicScanCode = false;
  bool typematicAscii = false;
  bool oposJpos = false;
  bool useSerialPort = false;
  int baudIndex = kInitialBaudIndex;          // 0..3, the items of msg::kBaudRateItems
  int parityIndex = kInitialParityIndex;      // 0..2, the items of msg::kParityItems
  int dataBitsIndex = kInitialDataBitsIndex;  // 0..1, the items of msg::kDataBitsItems
  int delay = 2;                              // milliseconds, kDelayMin..kDelayMax
  // Whether the RS232 group (use port, the three lists and their labels) is
  // visible and enabled.
  bool serialSectionShown = false;

  // The values the dialog opens with. On the serial port layout the serial
  // section is shown unless the keyboard is connected by USB: then it is
  // hidden, and its values are still those of the image. The delay is brought
  // into kDelayMin..kDelayMax, as the number box can hold nothing else.
  [[nodiscard]] static FeatureSettings FromImage(const Image& image, FeatureLayout layout, bool usbPort);

  // Writes the values back into the four bytes; every bit the layout does not
  // assign keeps its value. The serial settings (use serial port, baud rate,
  // parity, data bits) are written only on the serial port layout and only
  // while the serial section is shown: settings the user could not see keep
  // their bits, so pressing OK over USB leaves the keyboard's serial port as it
  // was. The one-byte layout always clears use serial port (B5): those models
  // have no serial port.
  void ToImage(Image& image, FeatureLayout layout) const;
};

}  // namespace vexa
