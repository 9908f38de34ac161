// gen-page [objects] [attributes per object] [depth] [seed]: writes a generated page
// description to standard output.
#include <cstdio>
#include <cstdlib>

#include "host/page_generator.h"

int main(int argc, char** argv) {
  pg::GeneratorOptions options;
  int* fields[] = {&options.objects, &options.attributesPerObject, &options.depth};
  for (int i = 1; i < argc && i <= 3; ++i) *fields[i - 1] = std::atoi(argv[i]);
  if (argc > 4) options.seed = static_cast<unsigned>(std::strtoul(argv[4], nullptr, 10));
  const std::string text = pg::GeneratePage(options);
  std::fwrite(text.data(), 1, text.size(), stdout);
  return 0;
}
