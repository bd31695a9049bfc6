#include "common/run_parameters.h"

#include <array>

#include "common/text.h"

namespace lexiweb {

namespace {

using LabelRow = std::array<std::string, kLabelColumns>;

std::array<LabelRow, kLanguageRows> make_label_table() {
  std::array<LabelRow, kLanguageRows> table;
  table[3] = {"",        "en",
              "English", "Contents",
              "prev",    "next",
              "index",   "Place cursor on desired word and double (2X) click left button on mouse.",
              "word",    "search",
              ""};
  table[17] = {"",
               "sl",
               "Slovenian",
               "Vsebina",
               "nazaj",
               "naprej",
               "kazalo",
               "Pozicionirajte kurzor na izbrano besedo in dvakrat (2x) kliknite levi gumb "
               "mi&#353;ke.",
               "beseda",
               "iskanje",
               ""};
  return table;
}

}  // namespace

const std::string& label_table(int language, int label) {
  static const std::array<LabelRow, kLanguageRows> table = make_label_table();
  return table.at(language).at(label);
}

std::string program_name() {
  std::string name = to_lower_ascii(source_name);
  name.resize(name.size() - 3);
  return name + "exe";
}

}  // namespace lexiweb
