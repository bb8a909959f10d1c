// Writes the bundled example log: make_example_log > examples/example-zarl.adi
// An optional argument gives the number of records (default 320).
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "tools/zarl_score/example_log.h"

int main(int argc, char** argv) {
  zarl_score::ExampleLogShape shape;
  if (argc > 1) shape.records = std::atoi(argv[1]);
  if (shape.records <= 0) {
    std::cerr << "usage: make_example_log [RECORDS]\n";
    return 2;
  }
  std::cout << zarl_score::MakeExampleAdif(shape);
  return 0;
}
