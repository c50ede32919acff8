// OptionParser: the argument parser the command-line verbs share, built on CLI11.
#pragma once

#include <deque>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace kerf {

// The words after the verb.
using CommandArgs = std::vector<std::string>;

// Describe a verb's arguments by binding them to variables, then Parse the verb's arguments:
//
//   std::string project, output;
//   int zoom = 1;
//   bool preview = false;
//   OptionParser p("section");
//   p.Positional("PROJECT.ROU", project);
//   p.Text({"-o", "--output"}, "IMAGE", output, /*required=*/true, "the picture to write");
//   p.Integer({"--zoom"}, "Z", zoom, {1, 2, 4}, "magnification");
//   p.Flag({"--preview"}, preview, "the Profile window picture");
//   if (!p.Parse(args)) return UsageExit(p);
//
// Accepted forms: "-o FILE", "--name VALUE", "--name=VALUE"; "--" ends the options, so that
// later words are positionals even when they start with '-'. A lone "-" and negative numbers
// given as option values ("--fence -20") are values, not options. Options may come before,
// between or after positionals. Integers are strict (optional '-' then digits, 32 bits) and
// checked against a range or a list of allowed values. An option given twice is an error.
// On failure Error() holds one sentence such as "--zoom must be 1, 2 or 4, not 3"; "-h" and
// "--help" make Parse fail with HelpAsked() and the verb's generated help in Help().
class OptionParser {
 public:
  explicit OptionParser(std::string verb);
  ~OptionParser();
  OptionParser(const OptionParser&) = delete;
  OptionParser& operator=(const OptionParser&) = delete;

  // The next positional in order; required unless `optional` is given.
  void Positional(const std::string& name, std::string& target, bool optional = false,
                  const char* help = "");
  // Every remaining positional (at least `minimum` of them); binds after the single ones.
  void Positionals(const std::string& name, std::vector<std::string>& target, int minimum = 1,
                   const char* help = "");

  void Flag(std::initializer_list<const char*> names, bool& target, const char* help = "");
  void Text(std::initializer_list<const char*> names, const std::string& valueName,
            std::string& target, bool required = false, const char* help = "");
  void Integer(std::initializer_list<const char*> names, const std::string& valueName, int& target,
               int minimum, int maximum, const char* help = "");
  void Integer(std::initializer_list<const char*> names, const std::string& valueName, int& target,
               const std::vector<int>& allowed, const char* help = "");

  // A length in hundredths of an inch within [minimum, maximum]. A bare whole number is
  // hundredths, as scripts have always given it ("75"); a value with a fraction, a decimal point
  // or a unit is read as a length, a bare one in inches ("3/4", "0.75", "19mm", "-1/8").
  void Length(std::initializer_list<const char*> names, const std::string& valueName, int& target,
              int minimum, int maximum, const char* help = "");

  bool Parse(const CommandArgs& args);

  // Whether an option (by any of its names) appeared on the command line.
  bool Given(const std::string& name) const;
  const std::string& Verb() const { return verb_; }
  const std::string& Error() const { return error_; }
  bool HelpAsked() const { return helpAsked_; }
  std::string Help() const;

 private:
  enum class ValueKind { Flag, Text, Integer, Length };
  struct Option {
    std::vector<std::string> Names;
    std::string ValueName;
    ValueKind Kind = ValueKind::Flag;
    bool* Flag = nullptr;
    std::string* Text = nullptr;
    int* Integer = nullptr;
    std::string Value;    // what the command line said, before Take converts it
    std::string Problem;  // why a validator refused the value, without the option's name
    bool Required = false;
    bool Given = false;
  };
  struct Single {
    std::string Name;
    std::string* Target;
    bool Optional;
  };

  Option& Add(std::initializer_list<const char*> names, const std::string& valueName,
              ValueKind kind, const char* help);
  const Option* Find(const std::string& name) const;
  std::string Spelled(const Option& option) const;
  bool Take(Option& option);
  bool CheckSpelling(bool valueMissing);
  bool Fail(std::string message);

  std::string verb_;
  std::unique_ptr<CLI::App> app_;
  std::deque<Option> options_;  // a deque: CLI11 and the validators hold pointers into it
  std::vector<Single> singles_;
  std::string restName_, restHelp_;
  std::vector<std::string>* rest_ = nullptr;
  int restMinimum_ = 0;
  CommandArgs args_;
  std::string error_;
  bool helpAsked_ = false;
};

// A length option's value into hundredths of an inch (see OptionParser::Length); "" when it was
// read, otherwise what could not be read.
std::string ParseLengthOption(const std::string& text, int& hundredths);

// After a failed Parse: prints the verb's help (status 0) or "kerfwright VERB: ERROR" and a hint
// to the verb's help on stderr (status 2). Returns the exit status.
int UsageExit(const OptionParser& parser);

// --reach LENGTH on the verbs that judge cuts: how high the table's lift raises a bit's lowest
// row (hundredths, default 1 1/2").
void AddReachOption(OptionParser& parser, int& reach);

}  // namespace kerf
