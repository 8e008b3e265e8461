// Writes a legend sheet as a picture file, the format chosen by the file
// name's extension (letters in either case):
//   .svg  scalable vector graphics, one text element per label and line;
//   .png  an image at 192 dots per inch (two pixels per sheet unit);
//   .pdf  one page exactly the size of the sheet.
// Any other name is refused before anything is written. The file is saved
// with WriteFileAtomically once the whole picture is painted, so a failed
// export leaves an older picture as it was. Needs a QGuiApplication (for the
// fonts).
#pragma once

#include <optional>
#include <string>

#include "base/Outcome.h"
#include "view/LegendSheet.h"

namespace vexa {

enum class PictureFormat { Svg, Png, Pdf };

// The format of a file name's extension; nullopt for any other.
[[nodiscard]] std::optional<PictureFormat> PictureFormatOf(const std::string& path);

// `path` is a local 8-bit (UTF-8) file name.
[[nodiscard]] Outcome WriteLegendSheet(const LegendSheet& sheet, const std::string& path);

}  // namespace vexa
