#pragma once
// A component's code window: edits go straight into its code module, and changes made by others (an
// add-in writing code) show when the window is synchronised.

#include <QPlainTextEdit>

#include <memory>

#include "platform/ide/VBComponent.h"

namespace host {

class CodeEditor : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit CodeEditor(std::weak_ptr<vbide::VBComponent> component, QWidget* parent = nullptr);

    // Shows the module's lines when they differ from the text shown.
    void Synchronise();

  private:
    void WriteToModule();

    std::weak_ptr<vbide::VBComponent> mComponent;
};

}  // namespace host
