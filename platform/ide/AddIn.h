#pragma once
// The interface through which the IDE loads and unloads an add-in: it calls OnConnection when the
// developer connects it (or the IDE starts with it), OnStartupComplete once the IDE has started,
// OnAddInsUpdate when the list of add-ins changes, and OnDisconnection when it unloads it. An add-in that
// also implements IDTShutdownQuery is asked before the IDE closes, and may keep it open.

#include <memory>
#include <vector>

#include "platform/ide/VBE.h"
#include "platform/vb/Object.h"
#include "platform/vb/Variant.h"

namespace vbide {

enum ext_ConnectMode : int32_t {
    ext_cm_AfterStartup = 0,
    ext_cm_Startup = 1,
    ext_cm_External = 2,
    ext_cm_CommandLine = 3,
};

enum ext_DisconnectMode : int32_t {
    ext_dm_HostShutdown = 0,
    ext_dm_UserClosed = 1,
};

class IDTExtensibility {
  public:
    virtual ~IDTExtensibility() = default;
    virtual void OnConnection(const std::shared_ptr<VBE>& application, ext_ConnectMode connectMode,
                              const vb::ObjectPtr& addInInst, std::vector<vb::Variant>& custom) = 0;
    virtual void OnDisconnection(ext_DisconnectMode removeMode, std::vector<vb::Variant>& custom) = 0;
    virtual void OnStartupComplete(std::vector<vb::Variant>& custom) = 0;
    virtual void OnAddInsUpdate(std::vector<vb::Variant>& custom) = 0;
};

class IDTShutdownQuery {
  public:
    virtual ~IDTShutdownQuery() = default;
    // Before the IDE closes (its windows still open): setting `cancel` keeps the IDE open, as when a window
    // of the add-in could not save the changes it would lose.
    virtual void OnQueryShutdown(bool& cancel) = 0;
};

}  // namespace vbide
