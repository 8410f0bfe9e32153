#include "runtime/StaticObjects.h"

#include <windows.h>

#include "support/Heap.h"

namespace {

using Routine = void (*)();

// The linker's lists of constructors and destructors: a count (or -1, then
// the entries end at a null one), then the entries.
extern "C" Routine __CTOR_LIST__[];
extern "C" Routine __DTOR_LIST__[];

// An exit routine, kept in a list on the process heap, newest first.
struct ExitRoutine {
  Routine routine;
  ExitRoutine* next;
};

ExitRoutine* exitRoutines = nullptr;
bool constructed = false;

int CountOf(const Routine* list) {
  int count = static_cast<int>(reinterpret_cast<INT_PTR>(list[0]));
  if (count == -1) {
    for (count = 0; list[count + 1] != nullptr; ++count) {
    }
  }
  return count;
}

}  // namespace

// Registers `routine` to run when the library or program ends.
extern "C" int atexit(Routine routine) {
  auto* entry = static_cast<ExitRoutine*>(HeapAllocate(sizeof(ExitRoutine)));
  if (entry == nullptr) return -1;
  entry->routine = routine;
  entry->next = exitRoutines;
  exitRoutines = entry;
  return 0;
}

// The constructors run last entry first, as the linker sorts the prioritised
// ones (which must run earlier) to the end.
void ConstructStaticObjects() {
  if (constructed) return;
  constructed = true;
  for (int i = CountOf(__CTOR_LIST__); i > 0; --i) __CTOR_LIST__[i]();
}

void DestroyStaticObjects() {
  if (!constructed) return;
  constructed = false;
  while (ExitRoutine* entry = exitRoutines) {
    exitRoutines = entry->next;
    const Routine routine = entry->routine;
    HeapRelease(entry);
    routine();
  }
  const int count = CountOf(__DTOR_LIST__);
  for (int i = 1; i <= count; ++i) __DTOR_LIST__[i]();
}

// GCC calls this first thing in main().
extern "C" void __main() { ConstructStaticObjects(); }
