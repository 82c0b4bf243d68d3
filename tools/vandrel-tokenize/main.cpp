#include <iostream>

#include "command.h"
#include "interruption.h"

int main(int argc, char** argv) {
  vandrel_tokenize::RemoveTemporaryFileOnInterruption();
  return vandrel_tokenize::RunCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                      std::cerr);
}
