// The file layer on real files, including records and buffers that are not
// usable: every such call fails with a plain result and the process goes on.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "TempFolder.h"
#include "support/FileAccess.h"
#include "support/FileStream.h"

namespace {

constexpr DWORD kReadWrite = kFileReadAccess | kFileWriteAccess;
constexpr DWORD kOpenExisting = OPEN_EXISTING;

// A page that cannot be read or written, released on destruction.
class InaccessiblePage {
 public:
  InaccessiblePage() : address_(VirtualAlloc(nullptr, 4096, MEM_RESERVE | MEM_COMMIT, PAGE_NOACCESS)) {}
  ~InaccessiblePage() { VirtualFree(address_, 0, MEM_RELEASE); }
  InaccessiblePage(const InaccessiblePage&) = delete;
  InaccessiblePage& operator=(const InaccessiblePage&) = delete;
  void* get() const { return address_; }

 private:
  void* address_;
};

}  // namespace

TEST(FileAccess, OpenWithoutAccessCreatesNothing) {
  TempFolder folder;
  const std::string name = folder.File("none.txt");
  EXPECT_EQ(nullptr, FileOpen(name.c_str(), 0, kFileCreateAlways, false));
  EXPECT_EQ(nullptr, FileOpen(name.c_str(), 0x10000000, kFileCreateAlways, true));
  EXPECT_FALSE(FileExists(name));
}

TEST(FileAccess, ExclusiveOpenTruncatesAndLocksOthersOut) {
  TempFolder folder;
  const std::string name = folder.File("data.bin");
  WriteFileBytes(name, "old contents");
  FileRecord* record = FileOpen(name.c_str(), kFileWriteAccess, kFileCreateAlways, false);
  ASSERT_NE(nullptr, record);
  EXPECT_EQ(0u, FileSize(record));
  EXPECT_EQ(nullptr, FileOpen(name.c_str(), kFileReadAccess, kOpenExisting, true));
  EXPECT_EQ(3u, FileWrite(record, "abc", 3));
  EXPECT_EQ(3u, FileTell(record));
  EXPECT_EQ(1, FileClose(record));
  EXPECT_EQ("abc", ReadFileBytes(name));
}

TEST(FileAccess, SharedOpensShareWhatTheyAsk) {
  TempFolder folder;
  const std::string name = folder.File("shared.bin");
  FileRecord* first = FileOpen(name.c_str(), kReadWrite, kFileCreateAlways, true);
  ASSERT_NE(nullptr, first);
  FileRecord* second = FileOpen(name.c_str(), kReadWrite, kOpenExisting, true);
  ASSERT_NE(nullptr, second);
  EXPECT_EQ(5u, FileWrite(first, "hello", 5));
  char buffer[8] = {};
  EXPECT_EQ(5u, FileRead(second, buffer, 5));
  EXPECT_STREQ("hello", buffer);
  EXPECT_EQ(1u, FileSeek(second, 1, 0));
  EXPECT_EQ(3u, FileSeek(second, 2, 1));
  EXPECT_EQ(4u, FileSeek(second, -1, 2));
  EXPECT_EQ(kFileInvalidPosition, FileSeek(second, 0, 3));
  EXPECT_EQ(1, FileClose(first));
  EXPECT_EQ(1, FileClose(second));
}

TEST(FileAccess, UnusableRecordsAreRejected) {
  InaccessiblePage page;
  for (FileRecord* record : {static_cast<FileRecord*>(nullptr), static_cast<FileRecord*>(page.get()),
                             reinterpret_cast<FileRecord*>(0x10)}) {
    char buffer[4];
    EXPECT_EQ(0, FileClose(record));
    EXPECT_EQ(0u, FileRead(record, buffer, sizeof(buffer)));
    EXPECT_EQ(0u, FileWrite(record, "x", 1));
    EXPECT_EQ(kFileInvalidPosition, FileSeek(record, 0, 0));
    EXPECT_EQ(kFileInvalidPosition, FileTell(record));
    EXPECT_EQ(kFileInvalidPosition, FileSize(record));
  }
}

TEST(FileAccess, InaccessibleBuffersFailWithoutAFault) {
  TempFolder folder;
  const std::string name = folder.File("buffers.bin");
  WriteFileBytes(name, std::string(64, 'z'));
  FileRecord* record = FileOpen(name.c_str(), kReadWrite, kOpenExisting, false);
  ASSERT_NE(nullptr, record);
  InaccessiblePage page;
  EXPECT_EQ(0u, FileWrite(record, page.get(), 16));
  EXPECT_EQ(0u, FileRead(record, page.get(), 16));
  EXPECT_EQ(0u, FileWrite(record, reinterpret_cast<const void*>(0x10), 16));
  EXPECT_EQ(1, FileClose(record));
}

TEST(FileAccess, RecordWithABadHandleFailsToCloseAndIsKept) {
  FileRecord stale = {reinterpret_cast<HANDLE>(0x7FFFFFF0), 1};
  EXPECT_EQ(0, FileClose(&stale));
  EXPECT_EQ(0u, FileWrite(&stale, "x", 1));
}

TEST(FileStream, ReportsWholeTransfersOnly) {
  TempFolder folder;
  const std::string name = folder.File("stream.bin");
  FileStream stream;
  EXPECT_EQ(1, stream.Close());
  EXPECT_EQ(0, stream.Write("x", 1));
  EXPECT_EQ(kFileInvalidPosition, stream.GetSize());
  ASSERT_EQ(1, stream.Open(name.c_str(), kReadWrite, kFileCreateAlways, false));
  EXPECT_EQ(1, stream.Write("0123456789", 10));
  EXPECT_EQ(10u, stream.GetSize());
  EXPECT_EQ(0u, stream.Seek(0, 0));
  char buffer[16] = {};
  EXPECT_EQ(0, stream.Read(buffer, sizeof(buffer)));  // only 10 bytes there
  EXPECT_EQ(10u, stream.Tell());
  EXPECT_EQ(1, stream.Close());
  EXPECT_EQ(1, stream.Close());
  EXPECT_EQ("0123456789", ReadFileBytes(name));
}

TEST(FileStream, DestructionClosesTheFile) {
  TempFolder folder;
  const std::string name = folder.File("closed.bin");
  {
    FileStream stream;
    ASSERT_EQ(1, stream.Open(name.c_str(), kFileWriteAccess, kFileCreateAlways, false));
  }
  FileStream again;
  EXPECT_EQ(1, again.Open(name.c_str(), kFileWriteAccess, kFileCreateAlways, false));
}
