// The thin Windows Sockets 1.1 steps of an SSTP exchange. Connecting and
// sending are bounded in time, so an unreachable or stalled server cannot
// freeze the host's window for the system's long connect time-out.
#pragma once

#include <winsock.h>

#include <cstddef>

constexpr int kConnectTimeoutMs = 3000;
constexpr int kSendTimeoutMs = 3000;

// An IPv4 stream socket, or 0 when none could be created.
SOCKET OpenTcpSocket();

// A dotted address or the first address of a looked-up name, in network byte
// order; 0 when the host cannot be resolved (or is the address 0).
u_long ResolveHost(const char* host);

// Connects within kConnectTimeoutMs. Leaves the socket non-blocking.
bool ConnectSocket(SOCKET socket, u_long address, unsigned short port);

// Sends all `length` bytes, continuing partial sends, within kSendTimeoutMs.
bool SendRequest(SOCKET socket, const char* text, std::size_t length);
