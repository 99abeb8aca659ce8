// peak_rss: runs a command and writes its peak resident memory, in bytes,
// to a file. A child's peak as its parent learns it includes the memory of
// the process it was forked from, so a benchmark written in a large
// interpreter cannot measure a small program directly: this small process
// forks it instead.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: peak_rss OUTFILE COMMAND [ARGUMENT...]\n");
    return 255;
  }
  pid_t child = fork();
  if (child < 0) {
    std::perror("peak_rss: fork");
    return 255;
  }
  if (child == 0) {
    execvp(argv[2], argv + 2);
    std::perror(argv[2]);
    _exit(127);
  }
  int status = 0;
  struct rusage usage;
  if (wait4(child, &status, 0, &usage) != child) {
    std::perror("peak_rss: wait4");
    return 255;
  }
  std::FILE* out = std::fopen(argv[1], "w");
  if (out == nullptr || std::fprintf(out, "%ld\n", usage.ru_maxrss * 1024L) < 0 ||
      std::fclose(out) != 0) {
    std::perror(argv[1]);
    return 255;
  }
  if (WIFSIGNALED(status)) {
    return 128 + WTERMSIG(status);
  }
  return WEXITSTATUS(status);
}
