// The PDF writer lives in tools/; this name stays for the tests that include it.
#include "tools/pdf_writer.h"
