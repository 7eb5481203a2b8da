// A stand-in for a companion program: writes its arguments, one a line, and the pass
// phrases it finds in its environment as NAME=value lines, into the file named like
// itself with ".args" added, then ends.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

int main(int argc, char **argv) {
  const std::string file = std::string(argv[0]) + ".args";
  {
    std::ofstream out(file + ".part", std::ios::binary | std::ios::trunc);
    for (int i = 1; i < argc; ++i) out << argv[i] << '\n';
    for (const char *name : {"MS2416X_AUTH_PASSWORD", "MS2416X_PRIV_PASSWORD"})
      if (const char *value = std::getenv(name)) out << name << '=' << value << '\n';
  }
  return std::rename((file + ".part").c_str(), file.c_str()) == 0 ? 0 : 1;
}
