#include "library/document_id.h"

#include <fcntl.h>
#include <openssl/evp.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <memory>

#include "shell/run_failure.h"

namespace lexiweb {

namespace {

struct DigestContext {
  DigestContext() : context(EVP_MD_CTX_new()) {
    if (context == nullptr || EVP_DigestInit_ex(context, EVP_sha256(), nullptr) != 1) {
      fail_run("SHA-256 is not available from libcrypto");
    }
  }
  ~DigestContext() { EVP_MD_CTX_free(context); }
  void add(const void* bytes, size_t size) { EVP_DigestUpdate(context, bytes, size); }
  std::string hex() {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int size = 0;
    EVP_DigestFinal_ex(context, digest, &size);
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    for (unsigned int i = 0; i < size; ++i) {
      out += kHex[digest[i] >> 4];
      out += kHex[digest[i] & 0xf];
    }
    return out;
  }
  EVP_MD_CTX* context;
};

}  // namespace

std::string content_hash(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) fail_read(path, errno);
  DigestContext digest;
  std::unique_ptr<char[]> buffer(new char[1 << 20]);
  for (;;) {
    const ssize_t got = ::read(fd, buffer.get(), 1 << 20);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      const int error = errno;
      ::close(fd);
      fail_read(path, error);
    }
    if (got == 0) break;
    digest.add(buffer.get(), static_cast<size_t>(got));
  }
  ::close(fd);
  return digest.hex();
}

std::string hash_of_bytes(std::string_view bytes) {
  DigestContext digest;
  digest.add(bytes.data(), bytes.size());
  return digest.hex();
}

std::string safe_stem(const std::string& path) {
  std::string stem = std::filesystem::path(path).stem().string();
  for (char& c : stem) {
    const bool kept = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                      c == '-' || c == '_' || c == '.';
    if (!kept) c = '_';
  }
  // A leading dot would hide the folder, a leading "-" make it an option.
  if (!stem.empty() && (stem[0] == '.' || stem[0] == '-')) stem[0] = '_';
  return stem.empty() ? "document" : stem;
}

std::string document_id(const std::string& path, std::string_view hash) {
  return safe_stem(path) + "-" + std::string(hash.substr(0, 8));
}

}  // namespace lexiweb
