#include <iostream>

#include "command.h"

int main(int argc, char** argv) {
  return vandrel_tokenize::RunCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                      std::cerr);
}
