#pragma once
// The modal widgets that a test's drivers are waiting to act on, by object or class name ("" for any modal
// widget). A message box or dialog that none of them awaits is one the test did not expect
// (OffscreenInteraction).

#include <set>
#include <string>

namespace testing_support {

class AwaitedModals {
  public:
    static void Add(const std::string& name) { Names().insert(name); }
    static void Remove(const std::string& name) {
        if (const auto found = Names().find(name); found != Names().end())
            Names().erase(found);
    }
    static bool Awaits(const std::string& name) { return Names().contains("") || Names().contains(name); }

  private:
    static std::multiset<std::string>& Names() {
        static std::multiset<std::string> names;
        return names;
    }
};

// Awaits every modal widget while it lives: for a test that answers them all by a driver of its own.
class AwaitingEveryModal {
  public:
    AwaitingEveryModal() { AwaitedModals::Add(""); }
    ~AwaitingEveryModal() { AwaitedModals::Remove(""); }
    AwaitingEveryModal(const AwaitingEveryModal&) = delete;
    AwaitingEveryModal& operator=(const AwaitingEveryModal&) = delete;
};

}  // namespace testing_support
