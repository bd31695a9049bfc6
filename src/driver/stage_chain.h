// The stages in their order, each followed by its progress line, and the
// final pages.
#ifndef LEXIWEB_DRIVER_STAGE_CHAIN_H_
#define LEXIWEB_DRIVER_STAGE_CHAIN_H_

namespace lexiweb {

// Runs every stage and final page writer in order, each followed by its progress line.
void run_stage_chain();

}  // namespace lexiweb

#endif  // LEXIWEB_DRIVER_STAGE_CHAIN_H_
