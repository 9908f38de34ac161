// The system's decimal separator and leading-zero choice for the number text.
#pragma once

namespace npb {

// Makes the number formatters read the "Intl" settings of the system profile
// ("sDecimal", default "."; "iLzero", default 1). Called once when the module loads.
void UseSystemNumberLocale();

}  // namespace npb
