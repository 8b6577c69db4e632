#pragma once
// The interpreter of media-control command strings: the open devices by alias and id,
// and one handler per command verb.
#include "MciCommand.h"
#include "MciDevice.h"

#include <memory>
#include <string>
#include <vector>

namespace gb {

class MciInterpreter {
public:
    static MciInterpreter& Instance();

    // Runs `command`; `reply` receives the reply text. Returns an MCI error code.
    uint32_t Execute(std::string_view command, std::string& reply);
    uint32_t ExecuteMessage(uint16_t device, uint16_t message, uint32_t flags, std::intptr_t parameters);
    uint16_t DeviceId(std::string_view alias) const;

private:
    using Handler = uint32_t (MciInterpreter::*)(MciCommand&, MciDevice&, std::string&);

    MciDevice* Find(std::string_view alias) const;
    uint32_t Open(MciCommand& command, std::string& reply);
    uint32_t Close(MciCommand& command);
    uint32_t Play(MciCommand& command, MciDevice& device, std::string& reply);
    uint32_t Pause(MciCommand& command, MciDevice& device, std::string& reply);
    uint32_t Resume(MciCommand& command, MciDevice& device, std::string& reply);
    uint32_t Stop(MciCommand& command, MciDevice& device, std::string& reply);
    uint32_t Seek(MciCommand& command, MciDevice& device, std::string& reply);
    uint32_t Status(MciCommand& command, MciDevice& device, std::string& reply);
    uint32_t Set(MciCommand& command, MciDevice& device, std::string& reply);
    uint32_t Info(MciCommand& command, MciDevice& device, std::string& reply);
    uint32_t Capability(MciCommand& command, MciDevice& device, std::string& reply);
    uint32_t Where(MciCommand& command, MciDevice& device, std::string& reply);
    uint32_t Put(MciCommand& command, MciDevice& device, std::string& reply);
    uint32_t Window(MciCommand& command, MciDevice& device, std::string& reply);
    uint32_t Record(MciCommand& command, MciDevice& device, std::string& reply);
    uint32_t Save(MciCommand& command, MciDevice& device, std::string& reply);

    std::vector<std::unique_ptr<MciDevice>> devices_;
    uint16_t nextId_ = 1;
};

} // namespace gb
