// The thin Windows Sockets 1.1 steps of an SSTP exchange. Every step that
// waits for the server ends at a deadline, so an unreachable or stalled
// server cannot freeze the host's window for the system's long time-outs.
#pragma once

#include <winsock.h>

#include <cstddef>
#include <string>

#include "sstp/Deadline.h"

// An IPv4 stream socket, or 0 when none could be created.
SOCKET OpenTcpSocket();

// A dotted address or the first address of a looked-up name, in network byte
// order; 0 when the host cannot be resolved (or is the address 0).
u_long ResolveHost(const char* host);

// Connects before the deadline: 0 when connected, else the Windows Sockets
// error (WSAETIMEDOUT when the deadline passed). Leaves the socket
// non-blocking.
int ConnectSocket(SOCKET socket, u_long address, unsigned short port, const Deadline& deadline);

// Sends all `length` bytes, continuing partial sends, before the deadline:
// 0 when all went out, else the error (WSAETIMEDOUT when the server stopped
// reading).
int SendRequest(SOCKET socket, const char* text, std::size_t length, const Deadline& deadline);

// The first line the server sends, without its line end, when it arrives
// before the deadline. A server that closes after part of a line gives that
// part; one that closes first, or trickles past the deadline, gives false.
bool ReadStatusLine(SOCKET socket, const Deadline& deadline, std::string& line);
