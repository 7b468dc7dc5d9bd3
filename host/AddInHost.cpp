#include "host/AddInHost.h"

#include <algorithm>
#include <exception>

#include "platform/automation/CreateObject.h"
#include "platform/ui/Interaction.h"
#include "platform/vb/Error.h"
#include "platform/vb/Text.h"

namespace host {
namespace {

// An add-in is foreign code: whatever it throws is told, and the IDE goes on.
void TellFailure(std::string_view progId, std::string_view what, const std::exception& failure) {
    const auto* error = dynamic_cast<const vb::Error*>(&failure);
    ui::MsgBox("'" + std::string(progId) + "' " + std::string(what) + ":\n" +
                   (error != nullptr ? error->Description() : std::string(failure.what())),
               ui::vbOKOnly | ui::vbCritical, kHostTitle);
}

}  // namespace

AddInHost::~AddInHost() {
    // A host that goes without its window closing (an error at start-up) still lets its add-ins go cleanly.
    DisconnectAll(vbide::ext_dm_HostShutdown);
}

bool AddInHost::Connect(std::string_view progId, vbide::ext_ConnectMode mode) {
    if (IsConnected(progId))
        return true;
    try {
        auto addIn = automation::CreateObjectAs<vbide::IDTExtensibility>(progId);
        std::vector<vb::Variant> custom;
        addIn->OnConnection(mVBE, mode, nullptr, custom);
        mConnections.push_back({std::string(progId), std::move(addIn)});
        return true;
    } catch (const std::exception& error) {
        TellFailure(progId, "could not be loaded", error);
        return false;
    }
}

void AddInHost::Disconnect(std::string_view progId, vbide::ext_DisconnectMode mode) {
    const auto found = std::find_if(mConnections.begin(), mConnections.end(), [&](const Connection& held) {
        return vb::TextEquals(held.progId, progId);
    });
    if (found == mConnections.end())
        return;
    const Connection connection = std::move(*found);
    mConnections.erase(found);
    try {
        std::vector<vb::Variant> custom;
        connection.addIn->OnDisconnection(mode, custom);
    } catch (const std::exception& error) {
        TellFailure(connection.progId, "failed to unload", error);
    }
}

void AddInHost::DisconnectAll(vbide::ext_DisconnectMode mode) {
    while (!mConnections.empty())
        Disconnect(std::string(mConnections.back().progId), mode);
}

bool AddInHost::QueryShutdown() {
    // An add-in may disconnect another from within, so walk a copy.
    const auto connections = mConnections;
    for (auto connection = connections.rbegin(); connection != connections.rend(); ++connection) {
        if (!MayDisconnect(*connection))
            return false;
    }
    return true;
}

bool AddInHost::QueryDisconnect(std::string_view progId) {
    const auto found = std::find_if(mConnections.begin(), mConnections.end(), [&](const Connection& held) {
        return vb::TextEquals(held.progId, progId);
    });
    // A copy: the add-in may disconnect others while it answers.
    return found == mConnections.end() || MayDisconnect(Connection(*found));
}

bool AddInHost::MayDisconnect(const Connection& connection) {
    const auto asked = std::dynamic_pointer_cast<vbide::IDTShutdownQuery>(connection.addIn);
    bool cancel = false;
    try {
        if (asked)
            asked->OnQueryShutdown(cancel);
    } catch (const std::exception& error) {
        TellFailure(connection.progId, "failed to answer whether it may be unloaded", error);
    }
    return !cancel;
}

void AddInHost::NotifyAll(Notification notification, std::string_view what) {
    // An add-in may disconnect another from within, so walk a copy.
    const auto connections = mConnections;
    for (const Connection& connection : connections) {
        try {
            std::vector<vb::Variant> custom;
            ((*connection.addIn).*notification)(custom);
        } catch (const std::exception& error) {
            TellFailure(connection.progId, what, error);
        }
    }
}

void AddInHost::NotifyStartupComplete() {
    NotifyAll(&vbide::IDTExtensibility::OnStartupComplete, "failed to complete its start-up");
}

void AddInHost::NotifyAddInsUpdate() {
    NotifyAll(&vbide::IDTExtensibility::OnAddInsUpdate, "failed to take the change of add-ins");
}

bool AddInHost::IsConnected(std::string_view progId) const {
    return AddIn(progId) != nullptr;
}

std::shared_ptr<vbide::IDTExtensibility> AddInHost::AddIn(std::string_view progId) const {
    for (const Connection& connection : mConnections) {
        if (vb::TextEquals(connection.progId, progId))
            return connection.addIn;
    }
    return nullptr;
}

std::vector<std::string> AddInHost::ConnectedProgIds() const {
    std::vector<std::string> progIds;
    for (const Connection& connection : mConnections)
        progIds.push_back(connection.progId);
    return progIds;
}

}  // namespace host
