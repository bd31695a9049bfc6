// The PDF writer lives in tools/pdf_writer.h. This old name stays until the
// tests that still include it (the converter and full-run tests) say the new one.
#include "tools/pdf_writer.h"
