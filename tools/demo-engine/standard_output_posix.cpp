#include "standard_output.h"

namespace demo_engine {

void UseBinaryStandardOutput() {}

}  // namespace demo_engine
