// A seam for tests that make writing fail on purpose: every step of the file layer that changes
// the disk asks here first. Without a hook set (always, outside tests) the question is one load
// of a null pointer.
#pragma once

#include <cerrno>

namespace skemora {

enum class WriteStep { Create, Write, Sync, Close, Rename, Delete };

// Answers true when the step is to fail as a full or broken disk would make it fail. The step
// then reports errno as its reason: ENOSPC unless the hook sets another.
using WriteFaultHook = bool (*)(WriteStep step);

namespace detail {
inline WriteFaultHook writeFaultHook = nullptr;
}  // namespace detail

// Tests only: installs the hook (nullptr removes it).
inline void SetWriteFaultHook(WriteFaultHook hook) {
    detail::writeFaultHook = hook;
}

inline bool WriteStepFails(WriteStep step) {
    if (detail::writeFaultHook == nullptr) return false;
    const int saved = errno;
    errno = ENOSPC;
    if (detail::writeFaultHook(step)) return true;
    errno = saved;
    return false;
}

}  // namespace skemora
