// A stand-in for a user's own conversion program in the end-to-end runs: it copies its input
// file to its output file unchanged.
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: copy-input INPUT OUTPUT\n", stderr);
    return 2;
  }
  if (!::CopyFileA(argv[1], argv[2], FALSE)) {
    std::fprintf(stderr, "copy-input: %s could not be copied to %s (error %lu)\n", argv[1], argv[2],
                 ::GetLastError());
    return 1;
  }
  return 0;
}
