// The ".ROU" project file: strict whole-file parsing, exact formatting, safe replacement on disk.
#include "project/ProjectFile.h"

#include <algorithm>
#include <climits>

#include "model/PrintableText.h"
#include "model/StrictInteger.h"
#include "project/SafeFiles.h"

namespace kerf {

namespace {

// Fixed lines before the cuts (version .. cut count) and lines per cut.
constexpr int HeadLines = 10;
constexpr int LinesPerCut = 4;
// A project file is a few hundred bytes per cut; anything this large is not one.
constexpr size_t MaxProjectBytes = 64u << 20;

// The most lines a project can have before the blank lines an editor may add at its end.
constexpr size_t MostProjectLines = HeadLines + size_t{LinesPerCut} * MaxProjectCuts + 1;

// The next line of text from start (which moves past its line end). A line ends at LF; one CR
// right before the LF (or right before the end of the file) belongs to the line end. A last
// line without a line end still counts.
std::string_view NextLine(std::string_view text, size_t& start) {
  size_t end = text.find('\n', start);
  if (end == std::string_view::npos) end = text.size();
  std::string_view line = text.substr(start, end - start);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  start = end + 1;
  return line;
}

// The file's first MostProjectLines lines; rest receives where the text after them starts, so
// that a file of millions of line ends costs no more than its bytes.
std::vector<std::string_view> SplitLines(std::string_view text, size_t& rest) {
  std::vector<std::string_view> lines;
  rest = 0;
  while (rest < text.size() && lines.size() < MostProjectLines)
    lines.push_back(NextLine(text, rest));
  return lines;
}

// A line's text as it may be quoted in a message: short, printable.
std::string Quote(std::string_view s) { return QuotedText(s, 40); }

// Walks the lines in order; the first fault is kept and ends the parse.
class LineReader {
 public:
  explicit LineReader(std::vector<std::string_view> lines) : lines_(std::move(lines)) {}

  int NextLineNumber() const { return static_cast<int>(next_) + 1; }
  size_t Remaining() const { return lines_.size() - next_; }
  size_t Total() const { return lines_.size(); }
  std::string_view At(size_t index) const { return lines_[index]; }

  bool Text(const std::string& what, std::string& out) {
    if (next_ >= lines_.size())
      return Fail(NextLineNumber(), "the file ends early: " + what + " is missing");
    out.assign(lines_[next_]);
    ++next_;
    return true;
  }

  bool Integer(const std::string& what, int32_t& out) {
    if (next_ >= lines_.size())
      return Fail(NextLineNumber(), "the file ends early: " + what + " is missing");
    const std::string_view line = lines_[next_];
    if (!ParseStrictInteger(line, out)) {
      return Fail(NextLineNumber(), line.empty() ? what + " is an empty line, expected an integer"
                                                 : what + " is not an integer: " + Quote(line));
    }
    ++next_;
    return true;
  }

  bool Face(const std::string& what, int32_t& out) {
    const int line = NextLineNumber();
    if (!Integer(what, out)) return false;
    if (out < 1 || out > 8)
      return Fail(line, what + " is " + std::to_string(out) + ", expected 1 to 8");
    return true;
  }

  bool Fail(int line, std::string message) {
    faultLine_ = line;
    fault_ = std::move(message);
    return false;
  }

  // The fault found, as a failed read.
  ProjectReadResult Failure() const { return ProjectReadResult::Fail(fault_, faultLine_); }

 private:
  std::vector<std::string_view> lines_;
  size_t next_ = 0;
  int faultLine_ = 0;
  std::string fault_;
};

// text: the whole file; rest: where the lines that in does not hold start (blank lines only).
bool ParseInto(LineReader& in, std::string_view text, size_t rest, ProjectRecord& r) {
  int32_t version = 0;
  if (!in.Integer("the format version", version)) return false;
  if (version != 1)
    return in.Fail(1,
                   "format version " + std::to_string(version) + " is not supported (expected 1)");

  std::string textureMap;
  int32_t cutCount = 0;
  if (!in.Integer("the selected cutter", r.CurrentCutter) ||
      !in.Integer("the stock width", r.StockWidth) ||
      !in.Integer("the stock height", r.StockHeight) ||
      !in.Integer("the wood colour", r.WoodColour) || !in.Text("the texture file", r.TextureFile) ||
      !in.Text("the texture mapping", textureMap) ||
      !in.Integer("the vertical texture repeat", r.RepeatV) ||
      !in.Integer("the horizontal texture repeat", r.RepeatH)) {
    return false;
  }
  r.TextureMap = textureMap == "TRUE";

  const int countLine = in.NextLineNumber();
  if (!in.Integer("the number of cuts", cutCount)) return false;
  if (cutCount < 0)
    return in.Fail(countLine, "the number of cuts is negative: " + std::to_string(cutCount));
  if (cutCount > MaxProjectCuts)
    return in.Fail(countLine, "more than " + std::to_string(MaxProjectCuts) + " cuts");
  // Check the count against what the file holds before reserving anything for it.
  const uint64_t needed = static_cast<uint64_t>(cutCount) * LinesPerCut;
  if (needed > in.Remaining()) {
    return in.Fail(countLine, std::to_string(cutCount) + " cuts need " +
                                  std::to_string(HeadLines + needed + 1) +
                                  " lines, but the file has only " + std::to_string(in.Total()));
  }

  r.Cuts.clear();
  r.Cuts.reserve(static_cast<size_t>(cutCount));
  for (int32_t k = 1; k <= cutCount; ++k) {
    const std::string of = " of cut " + std::to_string(k);
    ProjectCut cut;
    if (!in.Integer("the fence" + of, cut.Fence) || !in.Integer("the height" + of, cut.Height) ||
        !in.Face("the face" + of, cut.Face) ||
        !in.Text("the cutter file" + of, cut.CutterFileName)) {
      return false;
    }
    r.Cuts.push_back(std::move(cut));
  }
  if (!in.Face("the face on the table", r.FaceOnTable)) return false;

  // Blank lines after the end are harmless (an editor may add one); any other text means the
  // cut count does not match the cuts written, and loading would silently drop some of them.
  for (size_t i = static_cast<size_t>(in.NextLineNumber()) - 1; i < in.Total(); ++i) {
    if (!in.At(i).empty()) {
      return in.Fail(static_cast<int>(i) + 1,
                     "unexpected text after the last line: " + Quote(in.At(i)));
    }
  }
  size_t start = rest;
  for (size_t number = in.Total() + 1; start < text.size(); ++number) {
    const std::string_view line = NextLine(text, start);
    if (!line.empty())
      return in.Fail(static_cast<int>(std::min<size_t>(number, INT_MAX)),
                     "unexpected text after the last line: " + Quote(line));
  }
  return true;
}

std::string SystemError(const std::string& doing, const std::string& path,
                        const std::string& reason) {
  return "cannot " + doing + " " + path + ": " + reason;
}

// A name with a line feed would shift every later line of the file.
bool CheckStorable(const ProjectRecord& record, std::string& what) {
  if (record.TextureFile.find('\n') != std::string::npos) {
    what = "the texture file name contains a line break";
    return false;
  }
  for (size_t k = 0; k < record.Cuts.size(); ++k) {
    if (record.Cuts[k].CutterFileName.find('\n') != std::string::npos) {
      what = "the cutter file name of cut " + std::to_string(k + 1) + " contains a line break";
      return false;
    }
  }
  return true;
}

}  // namespace

ProjectReadResult ParseProject(std::string_view text) {
  size_t rest = 0;
  LineReader in(SplitLines(text, rest));
  ProjectRecord record;
  if (!ParseInto(in, text, rest, record)) return in.Failure();
  return record;
}

ProjectReadResult ReadProjectFile(const std::string& path) {
  const Result<std::string> read = ReadRegularFile(
      path, MaxProjectBytes, "the file is too large to be a project file (more than 64 MiB)");
  if (!read) return ProjectReadResult::Fail(read.Error());
  return ParseProject(read.Value());
}

std::string FormatProject(const ProjectRecord& r) {
  std::string out;
  out.reserve(64 + r.TextureFile.size() + r.Cuts.size() * 48);
  auto line = [&out](std::string_view s) {
    out += s;
    out += "\r\n";
  };
  auto number = [&line](int32_t v) { line(std::to_string(v)); };
  line("1");
  number(r.CurrentCutter);
  number(r.StockWidth);
  number(r.StockHeight);
  number(r.WoodColour);
  line(r.TextureFile);
  line(r.TextureMap ? "TRUE" : "FALSE");
  number(r.RepeatV);
  number(r.RepeatH);
  number(static_cast<int32_t>(r.Cuts.size()));
  for (const ProjectCut& cut : r.Cuts) {
    number(cut.Fence);
    number(cut.Height);
    number(cut.Face);
    line(cut.CutterFileName);
  }
  number(r.FaceOnTable);
  return out;
}

Result<void> WriteProjectFile(const std::string& path, const ProjectRecord& record) {
  std::string unstorable;
  if (!CheckStorable(record, unstorable)) {
    return Result<void>::Fail("cannot write " + path + ": " + unstorable);
  }
  if (record.Cuts.size() > static_cast<size_t>(MaxProjectCuts)) {
    return Result<void>::Fail("cannot write " + path + ": more than " +
                              std::to_string(MaxProjectCuts) + " cuts");
  }
  const Result<void> written = ReplaceFile(path, FormatProject(record));
  if (!written) return Result<void>::Fail(SystemError("write", path, written.Error()));
  return {};
}

ProjectRecord RecordFromModel(const Model& model) {
  ProjectRecord r;
  r.CurrentCutter = model.CurrentCutter();
  r.StockWidth = model.StockWidth();
  r.StockHeight = model.StockHeight();
  r.WoodColour = static_cast<int32_t>(model.WoodSwatch());
  r.TextureFile = model.TextureFile();
  r.TextureMap = model.TextureMap();
  r.RepeatV = model.TextureRepeatV();
  r.RepeatH = model.TextureRepeatH();
  r.Cuts.reserve(model.Cuts().size());
  for (const Cut& cut : model.Cuts()) {
    const Tool* tool = model.Cutter(cut.Cutter);
    r.Cuts.push_back(
        ProjectCut{cut.Fence, cut.Height, cut.Face, tool ? tool->FileName : cut.CutterFileName});
  }
  r.FaceOnTable = model.FaceOnTable();
  return r;
}

void ApplyRecord(Model& model, const ProjectRecord& record) {
  WorkSetup setup;
  setup.StockWidth = record.StockWidth;
  setup.StockHeight = record.StockHeight;
  setup.FaceOnTable = record.FaceOnTable;
  setup.CurrentCutter = record.CurrentCutter;
  setup.Cuts.reserve(record.Cuts.size());
  for (const ProjectCut& stored : record.Cuts) {
    Cut cut;
    cut.Fence = stored.Fence;
    cut.Height = stored.Height;
    cut.Face = stored.Face;
    cut.Cutter = model.FindCutter(stored.CutterFileName);
    cut.CutterFileName = stored.CutterFileName;
    setup.Cuts.push_back(std::move(cut));
  }
  setup.WoodSwatch = static_cast<Colour>(record.WoodColour);
  setup.TextureFile = record.TextureFile;
  setup.TextureMap = record.TextureMap;
  // The repeat counters of the Texture window hold 1..10, as they would after setting them.
  setup.TextureRepeatV = std::clamp(record.RepeatV, MinTextureRepeat, MaxTextureRepeat);
  setup.TextureRepeatH = std::clamp(record.RepeatH, MinTextureRepeat, MaxTextureRepeat);
  model.ReplaceSetup(setup);
}

}  // namespace kerf
