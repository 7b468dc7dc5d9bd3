#pragma once
// What the add-in's connection needs of the main window. The builder implements it; the add-in library
// hands Connect a factory that makes one, so that core never depends on the builder.

#include <functional>
#include <memory>

#include "platform/ide/VBE.h"

namespace core {

class Connect;

class MainWindow {
  public:
    virtual ~MainWindow() = default;

    // The IDE, handed on to code generation.
    virtual void SetVBInstance(std::shared_ptr<vbide::VBE> vbInstance) = 0;
    // The connection that created the window.
    virtual void SetConnect(std::weak_ptr<core::Connect> connect) = 0;

    // Loads the window when it is not loaded and shows it modeless.
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual void Unload() = 0;
    // Unloads the window as its own File > Exit does: false, the window kept, when the save it offers is
    // refused or cancelled.
    virtual bool QueryUnload() = 0;
};

// Makes a new main window; it may raise.
using MainWindowFactory = std::function<std::shared_ptr<MainWindow>()>;

}  // namespace core
