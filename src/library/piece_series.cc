#include "library/piece_series.h"

#include <cstdint>

namespace lexiweb {

namespace {

// FNV-1a: small, and the same on every machine.
uint64_t key_hash(std::string_view key) {
  uint64_t hash = 14695981039346656037ULL;
  for (char c : key) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ULL;
  }
  return hash;
}

}  // namespace

std::string key_name(std::string_view key) {
  static constexpr char kHex[] = "0123456789abcdef";
  uint64_t hash = key_hash(key);
  std::string name(16, '0');
  for (int at = 15; at >= 0; --at, hash >>= 4) name[at] = kHex[hash & 0xf];
  return name;
}

bool ends_piece(std::string_view key, unsigned every) {
  // The high bits: FNV-1a's low bits follow the last byte too closely.
  return (key_hash(key) >> 40) % every == 0;
}

PieceSeries::PieceSeries(size_t bound, unsigned every, bool first_by_group, Writer writer)
    : bound_(bound), every_(every), first_by_group_(first_by_group), writer_(std::move(writer)) {}

void PieceSeries::start_group(const std::string& group) {
  group_ = group;
  pieces_ = 0;
  name_.clear();
  entries_.clear();
  ended_ = false;
}

const std::string& PieceSeries::add(std::string_view key, std::string_view entry) {
  if (!entries_.empty() && !ended_ && entries_.size() + entry.size() > bound_) ended_ = true;
  if (ended_) {
    const std::string next = group_ + "-" + key_name(key);
    writer_(name_, entries_, next);
    name_ = next;
    entries_.clear();
    ended_ = false;
  } else if (entries_.empty()) {
    name_ = first_by_group_ ? group_ : group_ + "-" + key_name(key);
  }
  if (entries_.empty()) ++pieces_;
  entries_ += entry;
  ended_ = ends_piece(key, every_);
  return name_;
}

int PieceSeries::finish_group() {
  if (!entries_.empty()) writer_(name_, entries_, "");
  entries_.clear();
  ended_ = false;
  return pieces_;
}

}  // namespace lexiweb
