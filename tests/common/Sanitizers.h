#pragma once

// Tests that time the program scale their limits by this. Under
// AddressSanitizer, which here keeps a full stack for every allocation so
// that only foreign leaks can be suppressed, building and tearing down
// the window takes several times as long; the limits must still tell a
// prompt end from a hang.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kSanitizerSlowdown = 5;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr int kSanitizerSlowdown = 5;
#else
constexpr int kSanitizerSlowdown = 1;
#endif
#else
constexpr int kSanitizerSlowdown = 1;
#endif
