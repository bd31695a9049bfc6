// lexiweb: turns the one PDF of pdf_in into a browsable, word-indexed web site in htm_out.
#include "driver/run_driver.h"

int main() {
  lexiweb::run_driver();
  return 0;
}
