#pragma once
#include <cstdint>
#include <string>

namespace pathnab {

// Return codes of the network queries that carry a meaning of their own.
namespace netcode {
inline constexpr std::uint32_t kSuccess = 0;
inline constexpr std::uint32_t kAccessDenied = 5;
inline constexpr std::uint32_t kMoreData = 234;
inline constexpr std::uint32_t kNotConnected = 2250;
inline constexpr std::uint32_t kNoNetwork = 1222;
inline constexpr std::uint32_t kUnexpectedNetworkError = 59;
}  // namespace netcode

// The network's connections (WNetGetUniversalName / WNetGetConnection). A backend only
// translates the platform's answer; which code means what is decided by the caller.
class NetworkConnections {
public:
    virtual ~NetworkConnections() = default;
    // Universal name of path at the remote-name level. bufferSize is the caller's buffer in
    // bytes: when it is too small the answer is kMoreData with bufferSize set to the bytes
    // needed; on kSuccess universalName holds the universal name.
    virtual std::uint32_t GetUniversalName(const std::string& path, std::uint32_t& bufferSize,
                                           std::string& universalName) = 0;
    // Remote name of a drive ("X:") into a buffer of bufferLength bytes. On kSuccess
    // buffer holds the buffer's bytes as the platform left them (NUL-terminated text first).
    virtual std::uint32_t GetConnection(const std::string& drive, std::uint32_t& bufferLength,
                                        std::string& buffer) = 0;
};

}  // namespace pathnab
