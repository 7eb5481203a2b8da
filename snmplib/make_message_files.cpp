// Writes the seven message files from the built-in message tables, one message a line,
// into the given folder (the program's folder): translators edit these in place.
//   make-message-files <program folder>

#include "kv_messages.h"
#include "kv_text.h"

#include <filesystem>
#include <fstream>
#include <iostream>

int main(int argc, char **argv) {
  if (argc != 2) {
    std::cerr << "usage: make-message-files <program folder>\n";
    return 2;
  }
  for (const KvMessageTableId table : kMessageTables) {
    const std::filesystem::path file = JoinPath(argv[1], MessageFileName(table));
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (const std::string &message : BuiltinMessages(table)) {
      // A file holds one message a line and skips blank lines: a message that could
      // not come back as itself would shift every message after it. A line break
      // inside a message is written as "\n".
      if (Trim(message).empty() || message.find('\r') != std::string::npos ||
          message.find("\\n") != std::string::npos) {
        std::cerr << file.string() << ": message not writable as one line: " << message << '\n';
        return 1;
      }
      out << ReplaceAll(message, "\n", "\\n") << "\r\n";
    }
    if (!out.flush()) {
      std::cerr << "cannot write " << file.string() << '\n';
      return 1;
    }
  }
  return 0;
}
