#include "boards/whole_number.h"

#include <cmath>
#include <cstdio>

std::string formatWhole(double value, int minDigits) {
  if (std::isnan(value)) return {};  // nothing a board could show
  const double whole = std::round(value);
  char digits[400];  // the widest double written out in full has 309 digits
  std::snprintf(digits, sizeof digits, "%.0f", std::fabs(whole));
  std::string text;
  if (whole < 0) text.push_back('-');
  for (int n = static_cast<int>(std::char_traits<char>::length(digits)); n < minDigits; ++n)
    text.push_back('0');
  text += digits;
  return text;
}
