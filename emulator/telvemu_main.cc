#include <iostream>
#include <string>
#include <vector>

#include "telvemu_cli.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  int status = runTelvemu(args, std::cout, std::cerr);
  std::cout.flush();
  return std::cout ? status : 1;
}
