#include <iostream>
#include <string>
#include <vector>

#include "telvemu_cli.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return runTelvemu(args, std::cout, std::cerr);
}
