// `qnt calc` as a real process: arguments and standard input in, result lines and exit status out.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct TRun {
  int status = -1;
  std::string out;
  std::string err;
};

std::string ReadFile(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

/// Runs the tool with `args`, feeding `input` on standard input (through files, so nothing blocks).
TRun RunQnt(const std::vector<std::string>& args, const std::string& input = "",
            const std::vector<std::string>& env = {}) {
  char dir[] = "/tmp/qnt-calc-cli-XXXXXX";
  if (!mkdtemp(dir)) throw std::runtime_error("mkdtemp failed");
  const std::string base(dir);
  const std::string in = base + "/in", out = base + "/out", err = base + "/err";
  std::ofstream(in, std::ios::binary) << input;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  std::vector<std::string> argv_s{QNT_CLI_PATH};
  argv_s.insert(argv_s.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& a : argv_s) argv.push_back(a.data());
  argv.push_back(nullptr);
  std::vector<std::string> env_s;
  for (char** e = environ; *e; ++e) env_s.emplace_back(*e);
  env_s.insert(env_s.end(), env.begin(), env.end());
  std::vector<char*> envp;
  for (auto& e : env_s) envp.push_back(e.data());
  envp.push_back(nullptr);
  pid_t pid = 0;
  TRun run;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0) {
    int status = 0;
    waitpid(pid, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  posix_spawn_file_actions_destroy(&actions);
  run.out = ReadFile(out);
  run.err = ReadFile(err);
  std::remove(in.c_str());
  std::remove(out.c_str());
  std::remove(err.c_str());
  rmdir(dir);
  return run;
}

struct CliCase {
  const char* name;
  std::vector<std::string> args;
  const char* input;
  int status;
  const char* out;
};

void PrintTo(const CliCase& c, std::ostream* os) { *os << c.name; }

class CalcCli : public ::testing::TestWithParam<CliCase> {};

TEST_P(CalcCli, WritesOneLinePerExpression) {
  const CliCase& c = GetParam();
  const TRun run = RunQnt(c.args, c.input);
  EXPECT_EQ(run.out, c.out);
  EXPECT_EQ(run.status, c.status) << run.err;
}

const CliCase kCases[] = {
    {"shortest_round_trip_by_default",
     {"calc", "2+3*4^2/(7-1)", "1/3", "0.1"},
     "",
     0,
     "10\n0.33333333333333333334\n0.1\n"},
    {"full_precision_of_functions",
     {"calc", "sqrt 2", "pi", "exp(1)"},
     "",
     0,
     "1.4142135623730950488\n3.1415926535897932383\n2.7182818284590452354\n"},
    {"hexadecimal_form", {"calc", "--hex", "1", "0.1"}, "", 0, "0x8p-3\n0xc.ccccccccccccccdp-7\n"},
    {"fixed_places_with_separators",
     {"calc", "--places", "2", "1e6/3", "-2/3"},
     "",
     0,
     "333,333.33\n-0.67\n"},
    {"degrees", {"calc", "--degrees", "sin(30)", "arctan(0)"}, "", 0, "0.5\n0\n"},
    {"grads", {"calc", "--grads", "sin(100)"}, "", 0, "1\n"},
    {"radians_by_default", {"calc", "sin(pi/2)", "cos 0"}, "", 0, "1\n1\n"},
    {"unary_percent", {"calc", "200+10%"}, "", 0, "220\n"},
    {"failing_expression_keeps_its_line",
     {"calc", "1+1", "5/0", "2x35", "3*"},
     "",
     1,
     "2\nerror: Деление на ноль\nerror: Unknown Function - x3\nerror: Invalid Equation\n"},
    {"leading_minus_is_an_expression", {"calc", "-5+3"}, "", 0, "-2\n"},
    {"double_dash_ends_options", {"calc", "--", "--5"}, "", 0, "5\n"},
    {"standard_input_line_by_line",
     {"calc"},
     "1+1\n2*pi\r\n\n3!\n4^0.5",
     1,
     "2\n6.2831853071795864766\n0\nerror: Unknown Function - !\n2\n"},
    {"standard_input_with_options", {"calc", "--degrees", "--places", "4"}, "cos(60)\n", 0, "0.5000\n"},
    {"empty_standard_input", {"calc"}, "", 0, ""},
    {"overflow_is_an_error",
     {"calc", "10^5000", "1e5000"},
     "",
     1,
     "error: Floating point overflow\nerror: Floating point overflow\n"},
};
INSTANTIATE_TEST_SUITE_P(Calc, CalcCli, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CalcCliUsage, UnknownOptionIsBadUsage) {
  const TRun run = RunQnt({"calc", "--bogus", "1"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("unknown option '--bogus'"), std::string::npos) << run.err;
  EXPECT_EQ(RunQnt({"calc", "--places", "19", "1"}).status, 2);
}

TEST(CalcCliUsage, ListedInHelp) {
  const TRun run = RunQnt({"--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("qnt calc [EXPR...]"), std::string::npos) << run.out;
}

TEST(CalcCliInput, ManyLinesKeepTheirOrder) {
  std::string input, expected;
  for (int i = 1; i <= 2000; ++i) {
    input += std::to_string(i) + "*2\n";
    expected += std::to_string(i * 2) + "\n";
  }
  const TRun run = RunQnt({"calc"}, input);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, expected);
}

}  // namespace
