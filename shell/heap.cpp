// The program's heap: the process heap, without the C++ run-time's
// allocation failure machinery (exceptions and their handlers), which would
// triple the size of the program. Running out of memory ends the program.
#include <windows.h>

#include <cstddef>
#include <new>

void* operator new(std::size_t size) {
  void* block = HeapAlloc(GetProcessHeap(), 0, size ? size : 1);
  if (!block) FatalAppExitA(0, "Kudomat Zub ran out of memory.");
  return block;
}
void operator delete(void* block) noexcept {
  if (block) HeapFree(GetProcessHeap(), 0, block);
}
void operator delete(void* block, std::size_t) noexcept { operator delete(block); }
