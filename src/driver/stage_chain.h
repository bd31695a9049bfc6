// The stages in their order, each followed by its progress line, and the
// final pages.
#ifndef LEXIWEB_DRIVER_STAGE_CHAIN_H_
#define LEXIWEB_DRIVER_STAGE_CHAIN_H_

namespace lexiweb {

// Sorts htm.txt into htms.txt and runs every stage and final page writer.
void run_stage_chain();

}  // namespace lexiweb

#endif  // LEXIWEB_DRIVER_STAGE_CHAIN_H_
