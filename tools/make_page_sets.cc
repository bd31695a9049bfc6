// Writes random page sets for comparing builds of lexiweb-pages: COUNT
// working folders OUTPUT/SEED, OUTPUT/SEED+1, ..., each with an htm_in as the
// converter layer leaves it. The same seed always gives the same set.
//
// Usage: make_page_sets SEED COUNT OUTPUT
#include <charconv>
#include <cstdint>
#include <exception>
#include <iostream>
#include <string>
#include <string_view>

#include "tools/page_set.h"

namespace {

bool parse_number(std::string_view text, uint64_t* value) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

int main(int argc, char** argv) {
  uint64_t seed = 0;
  uint64_t count = 0;
  if (argc != 4 || !parse_number(argv[1], &seed) || !parse_number(argv[2], &count)) {
    std::cerr << "usage: make_page_sets SEED COUNT OUTPUT\n";
    return 2;
  }
  const std::filesystem::path output = argv[3];
  try {
    for (uint64_t i = 0; i < count; ++i) {
      lexiweb::tools::write_page_set(lexiweb::tools::make_page_set(seed + i),
                                     output / std::to_string(seed + i));
    }
  } catch (const std::exception& error) {
    std::cerr << "make_page_sets: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
