#include "tkbank/tkbank.h"

#include <cstdio>
#include <optional>
#include <string_view>

#include "bank/bank_file.h"
#include "bank/question_bank.h"
#include "bank/search.h"
#include "toolkit/codepage.h"
#include "toolkit/runtime.h"
#include "toolkit/text.h"

namespace yz {
namespace {

constexpr std::string_view kUsage =
    "usage:\n"
    "  tkbank pack PLAIN.txt --version V -o tk.txt   UTF-8 entries separated by \"#\" -> bank file\n"
    "  tkbank unpack tk.txt [--gbk]                  the entries, \"#\"-separated\n"
    "  tkbank search tk.txt QUERY [--all]            the tool's search; --all lifts the 300-byte cap\n"
    "  tkbank key TEXT                               the pinyin-initials key the search compares with\n"
    "  tkbank info tk.txt                            version, entries and sizes\n";

class BadInput {
 public:
  explicit BadInput(std::string message) : message(std::move(message)) {}
  std::string message;
};

// Length of the UTF-8 sequence that starts with the byte, 0 when none does.
size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// The code point of one valid UTF-8 sequence.
unsigned CodePoint(std::string_view sequence) {
  static constexpr unsigned char kLeadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
  unsigned cp = static_cast<unsigned char>(sequence[0]) & kLeadMask[sequence.size()];
  for (size_t k = 1; k < sequence.size(); ++k) cp = cp << 6 | (static_cast<unsigned char>(sequence[k]) & 0x3F);
  return cp;
}

std::string GbkPath(const std::string& utf8) {
  const std::string gbk = Utf8ToGbk(utf8);
  if (gbk.empty() && !utf8.empty()) throw BadInput("cannot name the file " + utf8 + " in GBK");
  return gbk;
}

std::string ReadBank(const std::string& path) {
  const std::string bytes = ReadWholeFile(GbkPath(path));
  const std::string text = TextFromBytes(bytes);
  const long marker = Find(text, kPayloadMarker);
  if (marker < 0 || Find(text, kFieldEnd, marker + static_cast<long>(kPayloadMarker.size())) < 0) {
    if (bytes.empty()) throw BadInput("cannot read " + path + " (missing or empty)");
    // Terminal text is UTF-8, and this file's literals are GBK.
    throw BadInput(path + reinterpret_cast<const char*>(u8" has no \"tk：\" field ended by \"#\""));
  }
  return bytes;
}

std::string ToTerminal(std::string_view gbk) {
  const std::string utf8 = GbkToUtf8(gbk);
  if (utf8.empty() && !gbk.empty()) throw BadInput("the bank holds bytes that are no GBK text; try --gbk");
  return utf8;
}

std::string FromTerminal(std::string_view utf8, std::string_view what) {
  const std::string problem = FirstUnpackableCharacter(utf8);
  if (!problem.empty()) throw BadInput(std::string(what) + ": " + problem);
  return Utf8ToGbk(utf8);
}

// Splits args into positional ones and the given flags with their values.
struct Parsed {
  std::vector<std::string> positional;
  std::optional<std::string> version, output;
  bool gbk = false, all = false;
};

Parsed Parse(const std::vector<std::string>& args, std::string_view allowed) {
  Parsed parsed;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto allow = [&](std::string_view flag) {
      if (allowed.find(flag) == std::string_view::npos) throw BadInput("unknown option " + a);
    };
    auto value = [&]() -> std::string {
      if (i + 1 >= args.size()) throw BadInput(a + " needs a value");
      return args[++i];
    };
    if (a == "--version") {
      allow("version");
      parsed.version = value();
    } else if (a == "-o") {
      allow("output");
      parsed.output = value();
    } else if (a == "--gbk") {
      allow("gbk");
      parsed.gbk = true;
    } else if (a == "--all") {
      allow("all");
      parsed.all = true;
    } else if (a.size() > 1 && a[0] == '-') {
      throw BadInput("unknown option " + a);
    } else {
      parsed.positional.push_back(a);
    }
  }
  return parsed;
}

void ExpectPositional(const Parsed& parsed, size_t n) {
  if (parsed.positional.size() != n) throw BadInput("wrong number of arguments");
}

int Pack(const Parsed& p, std::ostream& out) {
  ExpectPositional(p, 1);
  if (!p.version || !p.output) throw BadInput("pack needs --version V and -o tk.txt");
  const std::string version = FromTerminal(*p.version, "--version");
  if (version.find('#') != std::string::npos) throw BadInput("--version: the version cannot hold \"#\"");
  const std::string source = ReadWholeFile(GbkPath(p.positional[0]));
  if (source.empty()) throw BadInput("cannot read " + p.positional[0] + " (missing or empty)");
  const std::string plain = FromTerminal(source, p.positional[0]);
  if (!WriteWholeFile(GbkPath(*p.output), EncodeBankFile(plain, version))) {
    throw BadInput("cannot write " + *p.output);
  }
  size_t entries = 0;
  ForEachPiece(plain, kEntrySeparator, [&](std::string_view) { ++entries; });
  out << "packed " << entries << " entries into " << *p.output << "\n";
  return 0;
}

int Unpack(const Parsed& p, std::ostream& out) {
  ExpectPositional(p, 1);
  const std::string plain = DecodeBankFile(ReadBank(p.positional[0]));
  out << (p.gbk ? plain : ToTerminal(plain));
  return 0;
}

int Search(const Parsed& p, std::ostream& out) {
  ExpectPositional(p, 2);
  const auto bank = BankSnapshot::FromPlainText(DecodeBankFile(ReadBank(p.positional[0])));
  const std::string query = FromTerminal(p.positional[1], "QUERY");
  const auto result = SearchBank(*bank, query, {.limit = p.all ? SIZE_MAX : kResultLimit});
  out << ToTerminal(result->text) << "\n";
  return 0;
}

int Key(const Parsed& p, std::ostream& out) {
  ExpectPositional(p, 1);
  out << PinyinInitials(HalfWidth(FromTerminal(p.positional[0], "TEXT"))) << "\n";
  return 0;
}

int Info(const Parsed& p, std::ostream& out) {
  ExpectPositional(p, 1);
  const std::string file = ReadBank(p.positional[0]);
  const std::string plain = DecodeBankFile(file);
  const auto bank = BankSnapshot::FromPlainText(plain);
  std::string version = BankFileVersion(file);
  const std::string shownVersion = GbkToUtf8(version);
  out << "version: " << (shownVersion.empty() && !version.empty() ? "(no GBK text)" : shownVersion) << "\n"
      << "entries: " << bank->size() << "\n"
      << "file bytes: " << file.size() << "\n"
      << "text bytes: " << plain.size() << "\n"
      << "memory bytes: " << bank->MemoryBytes() << "\n";
  return 0;
}

}  // namespace

std::string FirstUnpackableCharacter(std::string_view utf8) {
  if (utf8.find('\0') == std::string_view::npos && !Utf8ToGbk(utf8).empty()) return {};
  size_t line = 1, column = 1;
  for (size_t i = 0; i < utf8.size(); ++column) {
    const std::string where = "line " + std::to_string(line) + " column " + std::to_string(column);
    const size_t n = SequenceLength(static_cast<unsigned char>(utf8[i]));
    const std::string_view character = utf8.substr(i, n ? n : 1);
    if (n == 0 || character.size() < n || ToUtf16(character, CodePage::kUtf8).empty()) {
      return where + ": invalid UTF-8";
    }
    if (character[0] == '\0') return where + ": a zero byte would end the bank there";
    if (FromUtf16(ToUtf16(character, CodePage::kUtf8), CodePage::kGbk).empty()) {
      char code[16];
      std::snprintf(code, sizeof code, "U+%04X", CodePoint(character));
      return where + ": " + std::string(character) + " (" + code + ") has no GBK form";
    }
    if (character[0] == '\n') {
      ++line;
      column = 0;
    }
    i += n;
  }
  return {};
}

int RunTkbank(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << kUsage;
    return 2;
  }
  try {
    const std::string& command = args[0];
    if (command == "pack") return Pack(Parse(args, "version output"), out);
    if (command == "unpack") return Unpack(Parse(args, "gbk"), out);
    if (command == "search") return Search(Parse(args, "all"), out);
    if (command == "key") return Key(Parse(args, ""), out);
    if (command == "info") return Info(Parse(args, ""), out);
    if (command == "--help" || command == "-h" || command == "help") {
      out << kUsage;
      return 0;
    }
    throw BadInput("unknown command " + command);
  } catch (const BadInput& bad) {
    err << "tkbank: " << bad.message << "\n";
    if (bad.message.starts_with("unknown") || bad.message.starts_with("wrong")) err << kUsage;
    return 2;
  }
}

}  // namespace yz
