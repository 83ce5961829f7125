#pragma once
// The engine library frees some of its own objects through a base of another size, which the
// address sanitizer reports as a mismatch of new and delete. That fault is the engine's, not
// ours: executables that may load the engine include this once (in their main file) so that
// a sanitized build still checks everything else. Its start-up also leaves allocations that
// it never frees, so leaks are not counted in these executables either.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TEXTREADER_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define TEXTREADER_ASAN 1
#endif

#ifdef TEXTREADER_ASAN
extern "C" const char* __asan_default_options() { return "new_delete_type_mismatch=0:detect_leaks=0"; }
#endif
