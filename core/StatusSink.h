#pragma once
// Where the status text goes: the first panel of the main window's status bar. The main window
// implements this and installs itself while it lives; with none installed, status text goes nowhere.

#include <string>

namespace core {

class StatusSink {
  public:
    virtual ~StatusSink() = default;
    // Shows the text and repaints at once.
    virtual void ShowStatusText(const std::string& text) = 0;
};

// The sink in force, or nullptr.
StatusSink* CurrentStatusSink();

// Puts `sink` in force until the guard goes, then restores the one before.
class ScopedStatusSink {
  public:
    explicit ScopedStatusSink(StatusSink& sink);
    ~ScopedStatusSink();
    ScopedStatusSink(const ScopedStatusSink&) = delete;
    ScopedStatusSink& operator=(const ScopedStatusSink&) = delete;

  private:
    StatusSink* mPrevious;
};

}  // namespace core
