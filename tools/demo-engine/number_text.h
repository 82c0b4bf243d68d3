// Numbers in the engine's output: always with a period, whatever the locale.
#pragma once

#include <string>

namespace demo_engine {

// The shortest text that reads back to `value` ("12", "0.5").
std::string ShortestText(double value);

// `value` with exactly four decimals ("0.7500").
std::string FourDecimalsText(double value);

}  // namespace demo_engine
