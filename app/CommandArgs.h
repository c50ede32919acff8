// OptionParser: the argument parser the command-line verbs share (positionals, options, flags).
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "app/Commands.h"

namespace kerf {

// Describe a verb's arguments by binding them to variables, then Parse the verb's arguments:
//
//   std::string project, output;
//   int zoom = 1;
//   bool preview = false;
//   OptionParser p("section");
//   p.Positional("PROJECT.ROU", project);
//   p.Text({"-o", "--output"}, "IMAGE", output, /*required=*/true);
//   p.Integer({"--zoom"}, "Z", zoom, {1, 2, 4});
//   p.Flag({"--preview"}, preview);
//   if (!p.Parse(args)) { PrintUsageError(p); return 2; }
//
// Accepted forms: "-o FILE", "--name VALUE", "--name=VALUE"; "--" ends the options, so that
// later words are positionals even when they start with '-'. A lone "-" and negative numbers
// given as option values ("--fence -20") are values, not options. Options may come before,
// between or after positionals. Integers are strict (optional '-' then digits, 32 bits) and
// checked against a range or a list of allowed values. An option given twice is an error.
// On failure Error() holds one sentence such as "--zoom must be 1, 2 or 4, not 3".
class OptionParser {
 public:
  explicit OptionParser(std::string verb) : verb_(std::move(verb)) {}

  // The next positional in order; required unless `optional` is given.
  void Positional(const std::string& name, std::string& target, bool optional = false);
  // Every remaining positional (at least `minimum` of them); binds after the single ones.
  void Positionals(const std::string& name, std::vector<std::string>& target, int minimum = 1);

  void Flag(std::initializer_list<const char*> names, bool& target);
  void Text(std::initializer_list<const char*> names, const std::string& valueName, std::string& target,
            bool required = false);
  void Integer(std::initializer_list<const char*> names, const std::string& valueName, int& target, int minimum,
               int maximum);
  void Integer(std::initializer_list<const char*> names, const std::string& valueName, int& target,
               std::vector<int> allowed);

  bool Parse(const CommandArgs& args);

  // Whether an option (by any of its names) appeared on the command line.
  bool Given(const std::string& name) const;
  const std::string& Verb() const { return verb_; }
  const std::string& Error() const { return error_; }

 private:
  enum class Kind { Flag, Text, Integer };
  struct Option {
    std::vector<std::string> names;
    std::string valueName;
    Kind kind = Kind::Flag;
    bool* flag = nullptr;
    std::string* text = nullptr;
    int* integer = nullptr;
    int minimum = 0;
    int maximum = 0;
    std::vector<int> allowed;
    bool required = false;
    bool given = false;
  };
  struct Single {
    std::string name;
    std::string* target;
    bool optional;
  };

  Option& Add(std::initializer_list<const char*> names, const std::string& valueName, Kind kind);
  Option* Find(const std::string& name);
  bool Take(Option& option, const std::string& spelled, const std::string& value);
  bool Fail(std::string message);

  std::string verb_;
  std::vector<Option> options_;
  std::vector<Single> singles_;
  std::string restName_;
  std::vector<std::string>* rest_ = nullptr;
  int restMinimum_ = 0;
  std::string error_;
};

// Strict 32-bit integer: optional '-' then digits, nothing else.
bool ParseInteger(const std::string& text, int& value);

// Prints "kerfwright VERB: ERROR" and a hint to the verb's help on stderr.
void PrintUsageError(const OptionParser& parser);

}  // namespace kerf
