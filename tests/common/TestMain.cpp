// Entry point of every test program: the framework's application object, the
// sockets start-up the test doubles need, and GoogleTest.
#include <winsock.h>
#include <windows.h>

#include <gmock/gmock.h>

#include "framework/Application.h"

namespace {

Application testApplication;

}  // namespace

int main(int argc, char** argv) {
  WSADATA data;
  WSAStartup(MAKEWORD(1, 1), &data);
  testing::InitGoogleMock(&argc, argv);
  const int result = RUN_ALL_TESTS();
  WSACleanup();
  return result;
}
