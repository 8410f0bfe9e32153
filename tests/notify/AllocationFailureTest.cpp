// Memory that runs out inside the shipped DLL: its imported heap functions are
// pointed at ones that fail from the n-th call on, for every n up to what a
// large notice asks for. The notice is then dropped or sent whole, the report
// is the previous page or the whole new one, and the next notice works.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "PluginRig.h"

namespace {

using HeapAllocFunction = LPVOID(WINAPI*)(HANDLE, DWORD, SIZE_T);
using HeapReAllocFunction = LPVOID(WINAPI*)(HANDLE, DWORD, LPVOID, SIZE_T);

constexpr INT32 kCheckKind = 0x01;
constexpr INT32 kNoticeNotSent = 1;  // what a notice that passes the filter returns, sent or not
constexpr DWORD kPromptMs = 10000;
constexpr long kMaxFailurePoints = 24;

HeapAllocFunction realHeapAlloc = nullptr;
HeapReAllocFunction realHeapReAlloc = nullptr;
long heapCalls = 0;
long failFrom = 0;  // 0: every call goes through

bool NextCallFails() { return ++heapCalls >= failFrom && failFrom > 0; }

LPVOID WINAPI FailingHeapAlloc(HANDLE heap, DWORD flags, SIZE_T bytes) {
  return NextCallFails() ? nullptr : realHeapAlloc(heap, flags, bytes);
}

LPVOID WINAPI FailingHeapReAlloc(HANDLE heap, DWORD flags, LPVOID block, SIZE_T bytes) {
  return NextCallFails() ? nullptr : realHeapReAlloc(heap, flags, block, bytes);
}

// The import address table slot of `dll`!`function` in `module`, found by
// name through the hint-name table; null when the module does not import it.
void** ImportSlot(HMODULE module, const char* dll, const char* function) {
  auto* base = reinterpret_cast<BYTE*>(module);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
      base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (imports.VirtualAddress == 0) return nullptr;
  for (auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
       entry->Name != 0; ++entry) {
    if (lstrcmpiA(reinterpret_cast<const char*>(base + entry->Name), dll) != 0 ||
        entry->OriginalFirstThunk == 0) {
      continue;
    }
    const auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + entry->OriginalFirstThunk);
    auto* slots = reinterpret_cast<void**>(base + entry->FirstThunk);
    for (size_t i = 0; names[i].u1.AddressOfData != 0; ++i) {
      if (IMAGE_SNAP_BY_ORDINAL(names[i].u1.Ordinal)) continue;
      const auto* byName =
          reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names[i].u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0) return &slots[i];
    }
  }
  return nullptr;
}

void* SwapSlot(void** slot, void* value) {
  DWORD protection = 0;
  VirtualProtect(slot, sizeof(void*), PAGE_READWRITE, &protection);
  void* previous = *slot;
  *slot = value;
  VirtualProtect(slot, sizeof(void*), protection, &protection);
  return previous;
}

// The DLL's HeapAlloc and HeapReAlloc imports run through the hooks above
// while the object lives; `failAt` 0 only counts the calls.
class HeapHooks {
 public:
  HeapHooks(void** allocSlot, void** reAllocSlot, long failAt)
      : allocSlot_(allocSlot), reAllocSlot_(reAllocSlot) {
    heapCalls = 0;
    failFrom = failAt;
    realHeapAlloc = reinterpret_cast<HeapAllocFunction>(
        SwapSlot(allocSlot_, reinterpret_cast<void*>(&FailingHeapAlloc)));
    if (reAllocSlot_ != nullptr) {
      realHeapReAlloc = reinterpret_cast<HeapReAllocFunction>(
          SwapSlot(reAllocSlot_, reinterpret_cast<void*>(&FailingHeapReAlloc)));
    }
  }
  ~HeapHooks() {
    SwapSlot(allocSlot_, reinterpret_cast<void*>(realHeapAlloc));
    if (reAllocSlot_ != nullptr) SwapSlot(reAllocSlot_, reinterpret_cast<void*>(realHeapReAlloc));
  }
  HeapHooks(const HeapHooks&) = delete;
  HeapHooks& operator=(const HeapHooks&) = delete;

 private:
  void** allocSlot_;
  void** reAllocSlot_;
};

// 1, 2, 3, ... up to `calls`; past kMaxFailurePoints, the first half of them
// in a row and the rest spread evenly up to the last call.
std::vector<long> FailurePoints(long calls) {
  std::vector<long> points;
  const long inRow = calls <= kMaxFailurePoints ? calls : kMaxFailurePoints / 2;
  for (long n = 1; n <= inRow; ++n) points.push_back(n);
  const long spread = kMaxFailurePoints - inRow;
  for (long i = 1; i <= spread && calls > inRow; ++i) points.push_back(inRow + (calls - inRow) * i / spread);
  return points;
}

struct LargeInput {
  const char* name;
  int count;
  size_t firstTitleBytes;  // 0: every title is short
};

const LargeInput kLargeInputs[] = {
    {"10 000 items", 10000, 0},
    {"a 1 MB title", 1, 1 << 20},
};

class AllocationFailure : public PluginRig {
 protected:
  // The next request the listener recorded, waiting up to kPromptMs for it.
  bool NextRequest(std::string& request) {
    const auto requests = listener.WaitForRequests(seen_ + 1, kPromptMs);
    if (requests.size() <= seen_) {
      ADD_FAILURE() << "no request arrived within " << kPromptMs << " ms";
      return false;
    }
    request = requests[seen_++];
    return true;
  }
  // The requests recorded since the last look, up to `last`, which a call has
  // just sent; `last` itself is not among them.
  std::vector<std::string> RequestsBefore(const std::string& last) {
    std::vector<std::string> before;
    std::string request;
    while (NextRequest(request) && request != last) before.push_back(request);
    return before;
  }

  size_t seen_ = 0;
};

}  // namespace

TEST_F(AllocationFailure, LargeNoticeIsDroppedOrSentWholeAndTheNextOneWorks) {
  Load();
  void** allocSlot = ImportSlot(plugin->handle(), "kernel32.dll", "HeapAlloc");
  void** reAllocSlot = ImportSlot(plugin->handle(), "kernel32.dll", "HeapReAlloc");
  if (allocSlot == nullptr) {
    GTEST_SKIP() << "the DLL does not import HeapAlloc from KERNEL32: no allocation of it can be "
                    "made to fail this way";
  }
  TestItems marker;
  marker.AddText("marker", "x");
  ASSERT_EQ(kNoticeNotSent, Notify(marker, kCheckKind));
  std::string markerRequest;
  ASSERT_TRUE(NextRequest(markerRequest));
  const std::string markerReport = Report();

  for (const LargeInput& input : kLargeInputs) {
    SCOPED_TRACE(input.name);
    TestItems items;
    for (int i = 0; i < input.count; ++i) {
      items.AddText(i == 0 && input.firstTitleBytes > 0 ? std::string(input.firstTitleBytes, 't')
                                                        : "page " + std::to_string(i),
                    "info " + std::to_string(i));
    }
    long calls = 0;
    {
      HeapHooks counting(allocSlot, reAllocSlot, 0);
      ASSERT_EQ(kNoticeNotSent, Notify(items, kCheckKind));
      calls = heapCalls;
    }
    const std::string wholeReport = Report();
    std::string wholeRequest;
    ASSERT_TRUE(NextRequest(wholeRequest));
    ASSERT_NE(std::string::npos, wholeRequest.find("info " + std::to_string(input.count - 1)));
    ASSERT_NE(markerReport, wholeReport);
    ASSERT_GT(calls, 0) << "the DLL imports HeapAlloc, yet a notice of " << input.name
                        << " called neither HeapAlloc nor HeapReAlloc through its import table";
    std::printf("%s: %ld heap calls\n", input.name, calls);
    ASSERT_EQ(kNoticeNotSent, Notify(marker, kCheckKind));
    ASSERT_TRUE(RequestsBefore(markerRequest).empty());

    for (const long n : FailurePoints(calls)) {
      SCOPED_TRACE("heap calls fail from call " + std::to_string(n) + " of " + std::to_string(calls));
      INT32 result = 0;
      const DWORD start = GetTickCount();
      {
        HeapHooks failing(allocSlot, reAllocSlot, n);
        result = Notify(items, kCheckKind);
      }
      EXPECT_LT(GetTickCount() - start, kPromptMs);
      EXPECT_EQ(kNoticeNotSent, result);
      const std::string report = Report();
      EXPECT_TRUE(report == markerReport || report == wholeReport)
          << "report of " << report.size() << " bytes: neither the previous page ("
          << markerReport.size() << ") nor the whole new one (" << wholeReport.size() << ")";

      ASSERT_EQ(kNoticeNotSent, Notify(marker, kCheckKind));
      // A connection that sent no byte delivered nothing either.
      std::vector<std::string> arrived = RequestsBefore(markerRequest);
      if (!arrived.empty() && arrived[0].empty()) arrived.erase(arrived.begin());
      EXPECT_TRUE(arrived.empty() || (arrived.size() == 1 && arrived[0] == wholeRequest))
          << arrived.size() << " requests, the first of "
          << (arrived.empty() ? 0 : arrived[0].size()) << " bytes; the whole one has "
          << wholeRequest.size();
      EXPECT_EQ(markerReport, Report());
    }
  }
}
