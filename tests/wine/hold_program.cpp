// A stand-in for a program that runs until the test lets it end: it waits until the named event
// given as its argument is set, at most a minute.
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: hold-program EVENT-NAME\n", stderr);
    return 2;
  }
  HANDLE release = ::OpenEventA(SYNCHRONIZE, FALSE, argv[1]);
  if (release == nullptr) {
    std::fprintf(stderr, "hold-program: no event %s (error %lu)\n", argv[1], ::GetLastError());
    return 1;
  }
  ::WaitForSingleObject(release, 60000);
  ::CloseHandle(release);
  return 0;
}
