#include "module/number_locale_win.h"

#include <windows.h>

#include "module/number_format.h"

namespace npb {
namespace {

NumberLocale ReadSystemNumberLocale() {
  NumberLocale locale;
  GetProfileStringA("Intl", "sDecimal", ".", locale.decimalSeparator,
                    sizeof locale.decimalSeparator);
  locale.leadingZero = static_cast<int>(GetProfileIntA("Intl", "iLzero", 1));
  return locale;
}

}  // namespace

void UseSystemNumberLocale() { SetNumberLocaleProvider(ReadSystemNumberLocale); }

}  // namespace npb
