// The sample graph page the host opens when it is given no page file.
#pragma once
#include <string_view>

namespace pg {

std::string_view SampleText();

}  // namespace pg
