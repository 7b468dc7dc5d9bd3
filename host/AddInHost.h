#pragma once
// The add-ins connected to the IDE: created by ProgID (the IDE never links an add-in) and connected with
// the mode that tells how they came (start-up, the manager, the command line). The host owns each add-in
// from connection to disconnection.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ide/AddIn.h"
#include "platform/ide/VBE.h"

namespace host {

class AddInHost {
  public:
    explicit AddInHost(std::shared_ptr<vbide::VBE> vbe) : mVBE(std::move(vbe)) {}
    ~AddInHost();
    AddInHost(const AddInHost&) = delete;
    AddInHost& operator=(const AddInHost&) = delete;

    // Creates the add-in and calls OnConnection. A failure (an unknown ProgID, an error out of
    // OnConnection) is told in a message box and leaves it unconnected; the result says whether it is
    // connected now. Connecting a connected add-in does nothing.
    bool Connect(std::string_view progId, vbide::ext_ConnectMode mode);
    // Calls OnDisconnection and releases the add-in; an error out of it is told, the add-in goes anyway.
    void Disconnect(std::string_view progId, vbide::ext_DisconnectMode mode);
    // Every add-in, the last connected first.
    void DisconnectAll(vbide::ext_DisconnectMode mode);

    // Whether the IDE may close: asks each add-in that answers it (IDTShutdownQuery), the last connected
    // first, and stops at the first that keeps the IDE open. An error out of one is told, and keeps it open
    // no more than its answer did.
    bool QueryShutdown();
    // Whether this one add-in may be unloaded now (the manager's unload), asked as QueryShutdown asks.
    bool QueryDisconnect(std::string_view progId);

    void NotifyStartupComplete();
    void NotifyAddInsUpdate();

    bool IsConnected(std::string_view progId) const;
    // The connected add-in, or null.
    std::shared_ptr<vbide::IDTExtensibility> AddIn(std::string_view progId) const;
    std::vector<std::string> ConnectedProgIds() const;

  private:
    struct Connection {
        std::string progId;
        std::shared_ptr<vbide::IDTExtensibility> addIn;
    };
    using Notification = void (vbide::IDTExtensibility::*)(std::vector<vb::Variant>&);
    void NotifyAll(Notification notification, std::string_view what);
    // Asks the add-in, if it answers IDTShutdownQuery, whether it may go; an error out of it is told.
    bool MayDisconnect(const Connection& connection);

    std::shared_ptr<vbide::VBE> mVBE;
    std::vector<Connection> mConnections;
};

// The title of the IDE's own message boxes.
inline constexpr const char* kHostTitle = "ostrel";

}  // namespace host
