// Subsets keep what the fitting script and the browser's layout of a line
// rely on: the advance widths, kerning and ligatures (HarfBuzz's default
// layout features), and the hinting that keeps small text sharp where the
// reader's system uses it.
#include "typeset/face_file.h"

#include <hb-subset.h>
#include <woff2/decode.h>
#include <woff2/encode.h>

#include <cstdint>
#include <fstream>
#include <sstream>

namespace lexiweb {
namespace {

// Brotli's quality 9 compresses a subset in a tenth of the time of its
// best, 11, for some 6% more bytes.
constexpr int kBrotliQuality = 9;

// The name table's entries for the licence.
constexpr hb_codepoint_t kLicenceName = 13;
constexpr hb_codepoint_t kLicenceAddressName = 14;

// The signed 16-bit number at `at` of a table's bytes, big-endian; 0 past its end.
int table_number(hb_blob_t* table, unsigned at) {
  unsigned length = 0;
  const auto* data = reinterpret_cast<const unsigned char*>(hb_blob_get_data(table, &length));
  if (at + 2 > length) return 0;
  return static_cast<int16_t>(data[at] << 8 | data[at + 1]);
}

std::set<char32_t> characters_of(hb_face_t* face) {
  hb_set_t* characters = hb_set_create();
  hb_face_collect_unicodes(face, characters);
  std::set<char32_t> result;
  for (hb_codepoint_t code = HB_SET_VALUE_INVALID; hb_set_next(characters, &code);) {
    result.insert(code);
  }
  hb_set_destroy(characters);
  return result;
}

}  // namespace

struct FaceFile::Library {
  hb_blob_t* blob = nullptr;
  hb_face_t* face = nullptr;
  hb_font_t* font = nullptr;  // made when first measured
  hb_set_t* characters = hb_set_create();
};

FaceFile::FaceFile(const std::string& path, unsigned index) : library_(new Library) {
  library_->blob = hb_blob_create_from_file_or_fail(path.c_str());
  if (library_->blob == nullptr || index >= hb_face_count(library_->blob)) return;
  library_->face = hb_face_create(library_->blob, index);
  hb_face_collect_unicodes(library_->face, library_->characters);
}

FaceFile::~FaceFile() {
  hb_set_destroy(library_->characters);
  if (library_->font != nullptr) hb_font_destroy(library_->font);
  if (library_->face != nullptr) hb_face_destroy(library_->face);
  if (library_->blob != nullptr) hb_blob_destroy(library_->blob);
}

bool FaceFile::ok() const {
  return library_->face != nullptr && hb_set_get_population(library_->characters) > 0;
}

bool FaceFile::has(char32_t character) const { return hb_set_has(library_->characters, character); }

LineMetrics FaceFile::line_metrics() const {
  if (!ok()) return {};
  // Offsets in the tables: hhea's ascender and descender; OS/2's
  // fsSelection, whose bit 7 asks for the typographic heights, and those.
  constexpr unsigned kHheaAscender = 4;
  constexpr unsigned kHheaDescender = 6;
  constexpr unsigned kOs2Selection = 62;
  constexpr unsigned kOs2TypoAscender = 68;
  constexpr unsigned kOs2TypoDescender = 70;
  constexpr int kUseTypoMetrics = 1 << 7;
  hb_blob_t* hhea = hb_face_reference_table(library_->face, HB_TAG('h', 'h', 'e', 'a'));
  hb_blob_t* os2 = hb_face_reference_table(library_->face, HB_TAG('O', 'S', '/', '2'));
  int ascent = table_number(hhea, kHheaAscender);
  int descent = table_number(hhea, kHheaDescender);
  const bool typographic = (table_number(os2, kOs2Selection) & kUseTypoMetrics) != 0;
  if (typographic || (ascent == 0 && descent == 0)) {
    ascent = table_number(os2, kOs2TypoAscender);
    descent = table_number(os2, kOs2TypoDescender);
  }
  hb_blob_destroy(os2);
  hb_blob_destroy(hhea);
  const double units = hb_face_get_upem(library_->face);
  if (!(units > 0)) return {};
  return {ascent / units, -descent / units};
}

int FaceFile::advance(char32_t character) const {
  if (!has(character)) return 0;
  if (library_->font == nullptr) library_->font = hb_font_create(library_->face);
  hb_codepoint_t glyph = 0;
  const unsigned units = hb_face_get_upem(library_->face);
  if (units == 0 || !hb_font_get_nominal_glyph(library_->font, character, &glyph)) return 0;
  return static_cast<int>(hb_font_get_glyph_h_advance(library_->font, glyph) * 1000L / units);
}

std::optional<std::string> FaceFile::subset_as_woff2(const std::set<char32_t>& characters) const {
  if (!ok()) return std::nullopt;
  hb_subset_input_t* input = hb_subset_input_create_or_fail();
  if (input == nullptr) return std::nullopt;
  hb_set_t* wanted = hb_subset_input_unicode_set(input);
  for (char32_t character : characters) hb_set_add(wanted, character);
  // The licence travels with the face: its description and address join
  // the copyright and the names that the subsetter keeps.
  hb_set_t* names = hb_subset_input_set(input, HB_SUBSET_SETS_NAME_ID);
  hb_set_add(names, kLicenceName);
  hb_set_add(names, kLicenceAddressName);
  hb_face_t* subset = hb_subset_or_fail(library_->face, input);
  hb_subset_input_destroy(input);
  if (subset == nullptr) return std::nullopt;
  hb_blob_t* blob = hb_face_reference_blob(subset);
  unsigned length = 0;
  const auto* data = reinterpret_cast<const uint8_t*>(hb_blob_get_data(blob, &length));
  std::optional<std::string> woff2;
  std::string compressed(woff2::MaxWOFF2CompressedSize(data, length), '\0');
  size_t compressed_length = compressed.size();
  woff2::WOFF2Params params;
  params.brotli_quality = kBrotliQuality;
  if (length > 0 &&
      woff2::ConvertTTFToWOFF2(data, length, reinterpret_cast<uint8_t*>(compressed.data()),
                               &compressed_length, params)) {
    compressed.resize(compressed_length);
    woff2 = std::move(compressed);
  }
  hb_blob_destroy(blob);
  hb_face_destroy(subset);
  return woff2;
}

std::optional<std::set<char32_t>> characters_of_font_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  std::string bytes = std::move(buffer).str();
  if (bytes.starts_with("wOF2")) {
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    std::string font(
        std::min(woff2::ComputeWOFF2FinalSize(data, bytes.size()), woff2::kDefaultMaxSize), '\0');
    woff2::WOFF2StringOut out(&font);
    if (!woff2::ConvertWOFF2ToTTF(data, bytes.size(), &out)) return std::nullopt;
    font.resize(out.Size());
    bytes = std::move(font);
  }
  hb_blob_t* blob =
      hb_blob_create(bytes.data(), bytes.size(), HB_MEMORY_MODE_READONLY, nullptr, nullptr);
  hb_face_t* face = hb_face_create(blob, 0);
  std::set<char32_t> characters = characters_of(face);
  hb_face_destroy(face);
  hb_blob_destroy(blob);
  return characters;
}

}  // namespace lexiweb
