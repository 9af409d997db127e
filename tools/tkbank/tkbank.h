// tkbank: packs, unpacks, searches and describes question-bank files for the
// people who maintain banks. Arguments and terminal text are UTF-8; the bank
// inside is GBK, as the tool reads it.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace yz {

// Runs one command (args exclude the program name). Returns the exit code:
// 0 on success, 2 on bad input, after a message on err.
int RunTkbank(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Where the UTF-8 text first fails to become a bank: an invalid byte, a
// character GBK lacks, or a zero byte. Empty when it converts.
std::string FirstUnpackableCharacter(std::string_view utf8);

}  // namespace yz
