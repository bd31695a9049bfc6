// What the final pages share: the promotion block and their publication.
#include "driver/final_pages.h"

#include <string_view>

#include "common/run_parameters.h"
#include "shell/file_ops.h"
#include "shell/record_writer.h"

namespace lexiweb {

namespace {

void write_address_line(RecordWriter& out, std::string_view address) {
  std::string line = "<br> <a href=\"";
  line += address;
  line += "\">";
  line += address;
  line += "</a>";
  out.write_line(line);
}

}  // namespace

void write_promotion_block(RecordWriter& out) {
  out.write_line("<br> <b> __________________________________________ </b>");
  out.write_line("<br>");
  out.write_line("<br> <b> PROMOTE YOUR BRAND WITH OUR PROGRAMS </b>");
  out.write_line("<br>");
  out.write_line(
      "<br> Our programs are intended for companis who want to consolidate their brand through "
      "free distribution of the programs.");
  out.write_line(
      "<br> Advertising messages and search links in the programs are tailored to each customer "
      "individually.");
  out.write_line("<br>");
  out.write_line("<br> PLACEMENT OF ADVERTISING MESSAGES");
  out.write_line(
      "<br> The programs read advertising messages from the web address specified by the buyer "
      "when ordering.");
  out.write_line(
      "<br> Advertisement messages are placed in the all-words index and other output files.");
  out.write_line("<br>");
  out.write_line("<br> GOOGLE SEARCH PHRASES");
  out.write_line(
      "<br> The programs generate Google search strings for all words in the all-words index and "
      "target the web address specified by the buyer when ordering.");
  out.write_line("<br>");
  out.write_line(
      "<br> Remember: the all-words index file is accessible while reading output file, just by "
      "double-clicking on any word.");
  out.write_line("<br> More info at:");
  write_address_line(out, promotion_address_1);
  write_address_line(out, promotion_address_2);
  out.write_line("<br>");
}

}  // namespace lexiweb
