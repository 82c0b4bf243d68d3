#pragma once

namespace demo_engine {

// Makes standard output write bytes unchanged, so that lines ended with CR LF stay so on
// Windows (whose text mode would turn them into CR CR LF).
void UseBinaryStandardOutput();

}  // namespace demo_engine
