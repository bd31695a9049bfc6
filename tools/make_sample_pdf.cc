// Writes the demo document samples/sample.pdf: four pages of prose about
// rivers and water, a heading on each page, a link from the first page to
// the third and a link to the program's web page on the last.
//
// Usage: make_sample_pdf [output.pdf]   (default: sample.pdf)
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "common/run_parameters.h"
#include "tools/pdf_writer.h"

namespace {

using lexiweb::testing::external_link;
using lexiweb::testing::internal_link;
using lexiweb::testing::PdfPage;

std::vector<PdfPage> sample_pages() {
  std::vector<PdfPage> pages(4);
  pages[0].lines = {
      "Where Rivers Begin",
      "",
      "Most rivers start as something too small to notice. A spring seeps out",
      "from under a mossy stone, snow melts along a ridge, or rain gathers in a",
      "hollow and spills over its lip. None of these trickles looks like the",
      "beginning of anything, yet each one is already doing what every river",
      "does: it is looking for the lowest way down.",
      "",
      "On a hillside the water splits and joins again many times. Two threads",
      "meet below a fallen tree, a third arrives from a field drain, and soon",
      "there is a brook that can turn a pebble over. Farmers used to call such",
      "a place \"the wet corner\" and left it alone, because nothing they planted",
      "there ever stayed dry for long.",
      "",
      "A river's source is rarely a single point. Surveyors argue about which",
      "branch deserves the name, and old maps often disagree with new ones. The",
      "honest answer is that a river begins everywhere rain falls on its basin,",
      "and the blue line on the map is only the place where we started looking.",
      "",
      "The long way from the hills to the coast takes many turns. The last",
      "stretch, where fresh water meets the tide, is told on page 3.",
  };
  pages[0].links = {internal_link(20, 3)};

  pages[1].lines = {
      "The Work of Moving Water",
      "",
      "Water that moves is never idle. A brook in flood can roll stones as big",
      "as loaves, and a slow river carries a fine cloud of silt that it drops",
      "wherever the current eases. Over years the river builds banks, fills",
      "hollows and cuts new channels when the old ones choke with mud.",
      "",
      "On the outside of a bend the current runs fast and eats into the bank.",
      "On the inside it slows and lays down sand & gravel. That is why rivers",
      "wander: each bend grows a little deeper on one side and a little",
      "shallower on the other, until the loop is so wide that a flood cuts",
      "straight across its neck and leaves a quiet lake behind.",
      "",
      "People have always borrowed this energy. Mills once stood on almost",
      "every stream that fell fast enough to turn a wheel. They ground grain,",
      "sawed timber and pounded cloth, and the villages that grew around them",
      "still keep the mill's name long after the wheel has gone.",
      "",
      "A river also moves heat, seeds and living things. Fish swim up it to",
      "spawn, insects drift down it at dusk, and a willow twig that breaks off",
      "in spring may root on a sandbank many miles from the tree it came from.",
  };

  pages[2].lines = {
      "Where Rivers Meet the Sea",
      "",
      "Near the coast a river loses its hurry. The land is flat, the channel",
      "widens, and twice a day the tide pushes salt water back up the valley.",
      "Fresh water is lighter than sea water, so for a while the two flow in",
      "layers: the river slides out on top while a wedge of brine creeps in",
      "along the bottom.",
      "",
      "This mixing zone, the estuary, is one of the richest places on earth.",
      "Mud flats hold worms and shellfish, reed beds shelter young fish, and",
      "wading birds arrive in thousands to feed at low water. A walk along the",
      "sea wall at dawn can show more kinds of life than a day in the hills.",
      "",
      "The silt that the river carried all the way from its springs settles",
      "here at last. Some estuaries fill up and turn into marsh; others build",
      "a fan of islands, a delta, that pushes the coastline out to sea year",
      "after year. Harbour towns that stood on the shore a few centuries ago",
      "may now find their old quays in the middle of a field.",
      "",
      "When the river finally disappears into the sea, its water is not lost.",
      "The sun lifts it again as vapour, the wind carries it inland, and it",
      "falls as rain on the same hills where the journey began.",
  };

  pages[3].lines = {
      "Living Beside the Water",
      "",
      "Towns have grown beside rivers for as long as there have been towns.",
      "A river offered drinking water, a road for boats, fish for the table",
      "and a boundary that was easy to defend. The oldest street in many",
      "cities still runs down to a ford or a bridge.",
      "",
      "Living so close has a price. A river that is gentle for years can rise",
      "in a single night, and the meadows it floods are flat precisely because",
      "it has flooded them so often. Today many towns give some of that land",
      "back, letting water spread over fields and wetlands so that it does not",
      "reach the houses.",
      "",
      "Clean rivers need care as well. Whatever is washed off roads and farms",
      "ends up downstream, and what one village spills the next one drinks.",
      "It's a simple lesson, but each generation has to learn it again.",
      "",
      "This sample was written for the indexing program; more about it at:",
      std::string(lexiweb::program_info_address),
  };
  pages[3].links = {external_link(18, std::string(lexiweb::program_info_address))};
  return pages;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string output = argc > 1 ? argv[1] : "sample.pdf";
  try {
    lexiweb::testing::write_pdf(output, sample_pages());
  } catch (const std::exception& error) {
    std::cerr << error.what() << "\n";
    return 1;
  }
  std::cout << "wrote " << output << "\n";
  return 0;
}
