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

// Makes the socket non-blocking and begins connecting: 0 when connected at
// once, WSAEWOULDBLOCK while the connect is under way, else the error.
int StartConnect(SOCKET socket, u_long address, unsigned short port);

// A connect begun by StartConnect, and where it stands (StartConnect's values).
struct PendingConnect {
  SOCKET socket;
  int state;
};

// Waits up to `waitMs` for the connects still under way among `count`, and
// updates the state of those that ended. A writable socket is connected; the
// except set means failure only with a pending error (after connecting, it
// would mean urgent data).
void AwaitConnects(PendingConnect* connects, int count, int waitMs);

// Sends all `length` bytes, continuing partial sends, before the deadline:
// 0 only when all went out, else the error (WSAETIMEDOUT when the server
// stopped reading). Urgent data from the server is ignored.
int SendRequest(SOCKET socket, const char* text, std::size_t length, const Deadline& deadline);

// The first line the server sends, without its line end, when it arrives
// before the deadline. A server that closes after part of a line gives that
// part; one that closes first, or trickles past the deadline, gives false.
// Urgent data is ignored. A long line is cut at a Shift-JIS character boundary.
bool ReadStatusLine(SOCKET socket, const Deadline& deadline, std::string& line);
