// Test support: runs the `qnt` executable as a real process with arguments, standard input and
// environment, and collects its exit status, standard output and standard error.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

namespace qnt::test {

struct QntResult {
  int status = -1;
  std::string out;
  std::string err;
  /// Standard output split into lines (without their "\n").
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
};

inline std::string ReadWholeFile(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

/// Runs qnt with the arguments; `input` is its standard input; `environment` entries (NAME=VALUE) are
/// added to the inherited environment.
inline QntResult RunQnt(const std::vector<std::string>& args, const std::string& input = {},
                        const std::vector<std::string>& environment = {}) {
  char dir[] = "/tmp/qnt-cli-test-XXXXXX";
  if (!mkdtemp(dir)) return {};
  const std::string base(dir);
  const std::string in = base + "/in", out = base + "/out", err = base + "/err";
  std::ofstream(in, std::ios::binary) << input;
  QntResult result;
  const pid_t pid = fork();
  if (pid == 0) {
    if (!std::freopen(in.c_str(), "rb", stdin) || !std::freopen(out.c_str(), "wb", stdout) ||
        !std::freopen(err.c_str(), "wb", stderr))
      _exit(127);
    for (const std::string& e : environment) putenv(const_cast<char*>(e.c_str()));
    std::vector<char*> argv{const_cast<char*>(QNT_BINARY)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(QNT_BINARY, argv.data());
    _exit(127);
  }
  int status = 0;
  if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) result.status = WEXITSTATUS(status);
  result.out = ReadWholeFile(out);
  result.err = ReadWholeFile(err);
  std::remove(in.c_str());
  std::remove(out.c_str());
  std::remove(err.c_str());
  rmdir(dir);
  return result;
}

}  // namespace qnt::test
