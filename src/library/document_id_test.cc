#include "library/document_id.h"

#include <gtest/gtest.h>

namespace lexiweb {
namespace {

// The id must be the same on every machine: a real SHA-256, not a hash of
// this program's own that another build could change.
TEST(DocumentId, HashIsSha256) {
  EXPECT_EQ(hash_of_bytes("abc"),
            "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  EXPECT_EQ(document_id("/some/where/Report 2024.pdf", hash_of_bytes("abc")),
            "Report_2024-ba7816bf");
}

// A stem must neither hide its folder, pass for an option, leave the
// documents folder nor break a link.
TEST(DocumentId, StemKeepsOnlySafeCharacters) {
  EXPECT_EQ(safe_stem("a/.hidden.pdf"), "_hidden");
  EXPECT_EQ(safe_stem("-rf.pdf"), "_rf");
  EXPECT_EQ(safe_stem("ça va?#.pdf"), "__a_va__");
  EXPECT_EQ(safe_stem(".pdf"), "_pdf");
}

}  // namespace
}  // namespace lexiweb
