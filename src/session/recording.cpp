#include "session/recording.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <cerrno>

#include "core/files.h"
#include "problem/problem_file.h"

namespace cpt {

namespace {

// A recording of a long session stays far below this; an endless input
// (/dev/zero) is read no further.
constexpr size_t kMaxRecordingBytes = 64u << 20;

const char* const kAcceptedRecording = "; accepted: a recording as cp_time_optimal --record writes it";

struct Fault {
  int line;
  std::string what;
};
[[noreturn]] void fail(int line, const std::string& what) { throw Fault{line, what}; }

// Bytes as they stand in a record: below 0x20, 0x7f and the backslash as
// \xHH, and a blank too when `blank` is set.
std::string escaped(const std::string& text, bool blank) {
  std::string out;
  for (const char ch : text) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (c < 0x20 || c == 0x7f || c == '\\' || (blank && c == ' ')) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02x", c);
      out += hex;
    } else {
      out += ch;
    }
  }
  return out;
}

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string unescaped(const std::string& text, int line) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    const int hi = i + 3 < text.size() && text[i + 1] == 'x' ? hex_digit(text[i + 2]) : -1;
    const int lo = hi >= 0 ? hex_digit(text[i + 3]) : -1;
    if (lo < 0) fail(line, "a backslash not followed by xHH; accepted: \\xHH for a byte, e.g. \\x1b");
    out += static_cast<char>(hi * 16 + lo);
    i += 3;
  }
  return out;
}

const char* kind_word(RecordKind k) {
  switch (k) {
    case RecordKind::Key: return "key";
    case RecordKind::Answer: return "answer";
    case RecordKind::Line: return "line";
  }
  return "";
}

// The text of the file as it walks through its whole lines.
class Lines {
 public:
  explicit Lines(const std::string& text) : text_(text) {}
  // The next whole line (its end not included); false when none is left.
  bool next(std::string& line) {
    const size_t end = text_.find('\n', pos_);
    if (end == std::string::npos) return false;
    line = text_.substr(pos_, end - pos_);
    pos_ = end + 1;
    ++number_;
    return true;
  }
  // `n` bytes and the line end after them; false when the text ends first.
  bool bytes(size_t n, std::string& out) {
    if (text_.size() - pos_ < n + 1) return false;
    out = text_.substr(pos_, n);
    number_ += static_cast<int>(std::count(out.begin(), out.end(), '\n'));
    if (text_[pos_ + n] != '\n') fail(number_, "the problem file is not followed by a line end" +
                                                    std::string(kAcceptedRecording));
    pos_ += n + 1;
    ++number_;
    return true;
  }
  int number() const { return number_; }
  bool at_end() const { return pos_ >= text_.size(); }

 private:
  const std::string& text_;
  size_t pos_ = 0;
  int number_ = 0;
};

// The word after `head`, or fails.
std::string after(const std::string& line, const std::string& head, int number, const std::string& accepted) {
  if (line.compare(0, head.size(), head) != 0) fail(number, "got '" + escaped(line.substr(0, 40), false) + "'; accepted: " + accepted);
  return line.substr(head.size());
}

void read_start(Lines& in, Recording& r) {
  std::string line;
  const auto truncated = [&in]() {
    fail(in.number() + 1, std::string("the recording ends before its problem is whole") + kAcceptedRecording);
  };
  if (!in.next(line)) truncated();
  const std::string lang = after(line, "lang ", in.number(), "lang ja, lang en");
  if (!lang_named(lang.c_str(), r.lang)) fail(in.number(), "lang: got '" + escaped(lang, false) + "'; accepted: ja, en");
  if (!in.next(line)) truncated();
  const std::string start = after(line, "problem ", in.number(), "problem dialog, problem file BYTES NAME");
  if (start == "dialog") return;
  const std::string file = after(start, "file ", in.number(), "problem dialog, problem file BYTES NAME");
  char* end = nullptr;
  const unsigned long long bytes = std::strtoull(file.c_str(), &end, 10);
  if (end == file.c_str() || *end != ' ' || bytes > kMaxRecordingBytes)
    fail(in.number(), "problem file: got '" + escaped(file.substr(0, 40), false) + "'; accepted: problem file BYTES NAME");
  r.start = RecordedStart::ProblemFile;
  r.problem_path = unescaped(end + 1, in.number());
  const int first = in.number() + 1;
  if (!in.bytes(bytes, r.problem_text)) truncated();
  std::string error;
  if (parse_problem(r.problem_text, "", r.pb, error)) return;
  // ":LINE: what" of the file, placed on the recording's line.
  const long at = std::strtol(error.c_str() + 1, nullptr, 10);
  fail(first + static_cast<int>(std::max(at, 1L)) - 1, "the recorded problem: " + error.substr(error.find(": ", 1) + 2));
}

Record read_record(const std::string& line, int number) {
  Record rec;
  rec.line = number;
  const size_t space = line.find(' ');
  const std::string word = line.substr(0, space);
  const std::string text = space == std::string::npos ? "" : line.substr(space + 1);
  if (word == "line") {
    rec.kind = RecordKind::Line;
  } else if (word == "key" || word == "answer") {
    rec.kind = word == "key" ? RecordKind::Key : RecordKind::Answer;
  } else {
    fail(number, "unknown record '" + escaped(word.substr(0, 40), false) + "'; accepted: key C, answer C, line TEXT");
  }
  rec.text = unescaped(text, number);
  if (rec.kind != RecordKind::Line && rec.text.size() != 1)
    fail(number, word + ": got '" + escaped(text.substr(0, 40), false) + "'; accepted: one character or \\xHH");
  return rec;
}

}  // namespace

std::string recording_header(Lang lang, RecordedStart start, const std::string& problem_path,
                             const std::string& problem_text) {
  std::string h = std::string(kRecordingMagic) + "\nlang " + (lang == Lang::En ? "en" : "ja") + "\n";
  if (start == RecordedStart::Dialog) return h + "problem dialog\n";
  return h + "problem file " + std::to_string(problem_text.size()) + " " + escaped(problem_path, false) + "\n" +
         problem_text + "\n";
}

std::string record_line(RecordKind kind, const std::string& text) {
  return std::string(kind_word(kind)) + " " + escaped(text, kind != RecordKind::Line) + "\n";
}

bool parse_recording(const std::string& text, const std::string& name, Recording& r, std::string& error) {
  r = Recording{};
  Lines in(text);
  std::string line;
  try {
    const std::string magic = kRecordingMagic;
    if (!in.next(line)) {
      if (magic.compare(0, text.size(), text) == 0) fail(1, std::string("the recording ends before its problem is whole") + kAcceptedRecording);
      fail(1, "not a recording of cp_time_optimal; accepted: a first line \"" + magic + "\"");
    }
    if (line != magic) fail(1, "not a recording of cp_time_optimal; accepted: a first line \"" + magic + "\"");
    read_start(in, r);
    while (in.next(line)) r.records.push_back(read_record(line, in.number()));
  } catch (const Fault& f) {
    error = name + ":" + std::to_string(f.line) + ": " + f.what;
    return false;
  }
  return true;
}

bool load_recording(const std::string& path, Recording& r, std::string& error) {
  std::string text;
  if (!read_file_text(path, kMaxRecordingBytes, text, error)) return false;
  if (text.size() > kMaxRecordingBytes) {
    error = path + ":" + std::to_string(1 + std::count(text.begin(), text.end() - 1, '\n')) +
            ": the file goes on past 64 MiB on this line; accepted: a recording of at most 64 MiB";
    return false;
  }
  return parse_recording(text, path, r, error);
}

std::string replay_input(const Recording& r) {
  std::string in;
  for (const Record& rec : r.records) in += rec.kind == RecordKind::Line ? rec.text + "\n" : rec.text;
  return in;
}

int recorded_keys(const Recording& r) {
  return static_cast<int>(std::count_if(r.records.begin(), r.records.end(),
                                        [](const Record& rec) { return rec.kind == RecordKind::Key && rec.text != "\x1b"; }));
}

RecordingWriter::~RecordingWriter() {
  if (f_) std::fclose(f_);
}

bool RecordingWriter::open(const std::string& path, const std::string& header, std::string& error) {
  f_ = std::fopen(path.c_str(), "wb");
  if (!f_) {
    error = path + ": cannot write: " + std::strerror(errno);
    return false;
  }
  path_ = path;
  std::fwrite(header.data(), 1, header.size(), f_);
  std::fflush(f_);
  return true;
}

void RecordingWriter::add(RecordKind kind, const std::string& text) {
  if (!f_) return;
  std::fputs(record_line(kind, text).c_str(), f_);
  std::fflush(f_);
}

}  // namespace cpt
