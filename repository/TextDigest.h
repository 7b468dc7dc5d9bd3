#pragma once
// FNV-1a, 64 bits, over a run of texts: the same texts give the same digest in every process.

#include <cstdint>
#include <string_view>

namespace repository {

class TextDigest {
  public:
    void Add(std::string_view text) {
        for (const char c : text) {
            mValue ^= static_cast<unsigned char>(c);
            mValue *= kPrime;
        }
        mValue ^= 0xff;  // ends the text, so that "ab","c" and "a","bc" differ
        mValue *= kPrime;
    }
    uint64_t Value() const { return mValue; }

  private:
    static constexpr uint64_t kPrime = 0x100000001b3ULL;
    uint64_t mValue = 0xcbf29ce484222325ULL;
};

}  // namespace repository
