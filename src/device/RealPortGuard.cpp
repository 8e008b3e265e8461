#include "device/RealPortGuard.h"

#include <atomic>
#include <cstdlib>

namespace vexa {
namespace {

std::atomic<bool> g_granted{false};

}  // namespace

void RealPortGuard::GrantFromMain() { g_granted = true; }

void RealPortGuard::Revoke() { g_granted = false; }

bool RealPortGuard::Decide(bool granted, const char* ci, const char* noRealPorts) {
  // Set at all counts as set, even when empty: better refuse than guess.
  return granted && ci == nullptr && noRealPorts == nullptr;
}

bool RealPortGuard::Allowed() {
  return Decide(g_granted, std::getenv("CI"), std::getenv("VEXA_NO_REAL_PORTS"));
}

}  // namespace vexa
