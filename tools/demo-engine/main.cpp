#include <iostream>
#include <string>
#include <vector>

#include "engine.h"
#include "standard_output.h"

int main(int argc, char** argv) {
  demo_engine::UseBinaryStandardOutput();
  const std::vector<std::string> args(argv + 1, argv + argc);
  return demo_engine::RunEngine(args, std::cout, std::cerr);
}
