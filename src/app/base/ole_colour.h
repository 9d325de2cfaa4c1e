#pragma once
// Conversions from the units the core speaks: OLE colours and twips.
#include <QColor>
#include <cstdint>

namespace velloran {

// An OLE colour holds blue, green and red from the high byte down: 0x0000FF is red.
QColor oleColour(std::uint32_t ole);

// Twips (1/1440 inch) to pixels at `dpi` dots per inch, rounded to the nearest pixel.
int twipsToPixels(int twips, int dpi);

}  // namespace velloran
