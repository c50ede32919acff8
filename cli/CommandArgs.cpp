// OptionParser: the argument parser the command-line verbs share, built on CLI11.
#include "cli/CommandArgs.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>

#include "cli/ExitStatus.h"
#include "cli/VerbHelp.h"
#include "cli/Verbs.h"
#include "model/LengthText.h"
#include "model/PrintableText.h"
#include "model/StrictInteger.h"

namespace kerf {

namespace {

std::string AllowedList(const std::vector<int>& allowed) {
  std::string out;
  for (size_t i = 0; i < allowed.size(); ++i) {
    if (i > 0) out += i + 1 == allowed.size() ? " or " : ", ";
    out += std::to_string(allowed[i]);
  }
  return out;
}

std::string CliNames(std::initializer_list<const char*> names) {
  std::string out;
  for (const char* name : names) out += (out.empty() ? "" : ",") + std::string(name);
  return out;
}

bool LooksLikeOption(const std::string& word) {
  if (word.size() < 2 || word[0] != '-') return false;
  // "-20", "-3/4" and "-.5" are numbers
  return !((word[1] >= '0' && word[1] <= '9') || word[1] == '.');
}

// CLI11 validators. Each returns why a value is refused ("" when it is not) and keeps that reason
// in `problem` too, so that the message can name the option as the command line spelled it.
CLI::Validator Refusing(std::string& problem,
                        const std::function<std::string(const std::string&)>& check,
                        std::string description) {
  return CLI::Validator(
      [&problem, check](std::string& text) {
        problem = check(text);
        return problem;
      },
      std::move(description));
}

std::string WholeNumberProblem(const std::string& valueName, const std::string& text, int& number) {
  return ParseStrictInteger(text, number)
             ? ""
             : "needs a whole number for " + valueName + ", not '" + text + "'";
}

CLI::Validator WholeNumberBetween(std::string& problem, const std::string& valueName, int minimum,
                                  int maximum) {
  return Refusing(
      problem,
      [=](const std::string& text) {
        int number = 0;
        std::string why = WholeNumberProblem(valueName, text, number);
        if (why.empty() && (number < minimum || number > maximum)) {
          why = "must be between " + std::to_string(minimum) + " and " + std::to_string(maximum) +
                ", not " + text;
        }
        return why;
      },
      "[" + std::to_string(minimum) + ".." + (maximum == INT_MAX ? "" : std::to_string(maximum)) +
          "]");
}

CLI::Validator WholeNumberOneOf(std::string& problem, const std::string& valueName,
                                const std::vector<int>& allowed) {
  std::string description;
  for (int a : allowed) description += (description.empty() ? "{" : ",") + std::to_string(a);
  return Refusing(
      problem,
      [=](const std::string& text) {
        int number = 0;
        std::string why = WholeNumberProblem(valueName, text, number);
        if (why.empty() && std::find(allowed.begin(), allowed.end(), number) == allowed.end()) {
          why = "must be " + AllowedList(allowed) + ", not " + text;
        }
        return why;
      },
      description + "}");
}

CLI::Validator LengthBetween(std::string& problem, int minimum, int maximum) {
  return Refusing(
      problem,
      [=](const std::string& text) {
        int hundredths = 0;
        std::string why = ParseLengthOption(text, hundredths);
        if (!why.empty()) why = ": " + why;  // "--fence: cannot read ..."
        if (why.empty() && (hundredths < minimum || hundredths > maximum)) {
          int ignored = 0;
          why = ParseStrictInteger(text, ignored)
                    ? "must be between " + std::to_string(minimum) + " and " +
                          std::to_string(maximum) + ", not " + text
                    : "must be between " + WorkshopHundredths(minimum, LengthUnit::Imperial) +
                          " and " + WorkshopHundredths(maximum, LengthUnit::Imperial) + ", not " +
                          text;
        }
        return why;
      },
      "[" + std::to_string(minimum) + ".." + std::to_string(maximum) + "]");
}

CLI::Validator NonEmpty(std::string& problem, const std::string& valueName) {
  return Refusing(
      problem,
      [=](const std::string& text) { return text.empty() ? "needs a non-empty " + valueName : ""; },
      "");
}

}  // namespace

std::string ParseLengthOption(const std::string& text, int& hundredths) {
  if (ParseStrictInteger(text, hundredths)) return "";
  const Result<int32_t> read = ReadHundredths(text, LengthUnit::Imperial);
  if (!read) return read.Error();
  hundredths = read.Value();
  return "";
}

OptionParser::OptionParser(std::string verb)
    : verb_(std::move(verb)), app_(std::make_unique<CLI::App>()) {
  const kerf::Verb* help = FindVerb(verb_);  // Verb alone is the member function
  app_->name(verb_);
  if (help) app_->description(help->Summary);
  app_->footer(CommonVerbHelp);
  app_->formatter(HelpFormatter());
  app_->allow_extras();  // unknown words are reported in this program's own words after parsing
}

OptionParser::~OptionParser() = default;

void OptionParser::Positional(const std::string& name, std::string& target, bool optional,
                              const char* help) {
  singles_.push_back({name, &target, optional});
  app_->add_option(name, target, help)->type_name("");
}

void OptionParser::Positionals(const std::string& name, std::vector<std::string>& target,
                               int minimum, const char* help) {
  restName_ = name;
  restHelp_ = help;
  rest_ = &target;
  restMinimum_ = minimum;
}

OptionParser::Option& OptionParser::Add(std::initializer_list<const char*> names,
                                        const std::string& valueName, ValueKind kind,
                                        const char* help) {
  Option& o = options_.emplace_back();
  o.Names.assign(names.begin(), names.end());
  o.ValueName = valueName;
  o.Kind = kind;
  if (kind == ValueKind::Flag) {
    const std::string description = help;
    app_->add_flag(CliNames(names), description)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  } else {
    app_->add_option(CliNames(names), o.Value, std::string(help))
        ->type_name(valueName)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  }
  return o;
}

void OptionParser::Flag(std::initializer_list<const char*> names, bool& target, const char* help) {
  Add(names, "", ValueKind::Flag, help).Flag = &target;
}

void OptionParser::Text(std::initializer_list<const char*> names, const std::string& valueName,
                        std::string& target, bool required, const char* help) {
  Option& o = Add(names, valueName, ValueKind::Text, help);
  o.Text = &target;
  o.Required = required;
  app_->get_option(o.Names.front())->check(NonEmpty(o.Problem, valueName));
}

void OptionParser::Integer(std::initializer_list<const char*> names, const std::string& valueName,
                           int& target, int minimum, int maximum, const char* help) {
  Option& o = Add(names, valueName, ValueKind::Integer, help);
  o.Integer = &target;
  app_->get_option(o.Names.front())
      ->check(WholeNumberBetween(o.Problem, valueName, minimum, maximum));
}

void OptionParser::Integer(std::initializer_list<const char*> names, const std::string& valueName,
                           int& target, const std::vector<int>& allowed, const char* help) {
  Option& o = Add(names, valueName, ValueKind::Integer, help);
  o.Integer = &target;
  app_->get_option(o.Names.front())->check(WholeNumberOneOf(o.Problem, valueName, allowed));
}

void OptionParser::Length(std::initializer_list<const char*> names, const std::string& valueName,
                          int& target, int minimum, int maximum, const char* help) {
  Option& o = Add(names, valueName, ValueKind::Length, help);
  o.Integer = &target;
  app_->get_option(o.Names.front())->check(LengthBetween(o.Problem, minimum, maximum));
}

const OptionParser::Option* OptionParser::Find(const std::string& name) const {
  for (const Option& o : options_) {
    if (std::find(o.Names.begin(), o.Names.end(), name) != o.Names.end()) return &o;
  }
  return nullptr;
}

// The name the command line used for an option (its last use), for messages about it.
std::string OptionParser::Spelled(const Option& option) const {
  std::string spelled = option.Names.front();
  for (const std::string& word : args_) {
    if (word == "--") break;
    for (const std::string& name : option.Names) {
      if (word == name || word.rfind(name + "=", 0) == 0) spelled = name;
    }
  }
  return spelled;
}

bool OptionParser::Fail(std::string message) {
  error_ = std::move(message);
  return false;
}

// Every option value passes through here on its way to the verb's variable.
bool OptionParser::Take(Option& option) {
  switch (option.Kind) {
    case ValueKind::Flag:
      *option.Flag = true;
      return true;
    case ValueKind::Text:
      // "-o --preview" is a forgotten value, not a file named "--preview".
      if (Find(option.Value.substr(0, option.Value.find('='))) != nullptr) {
        return Fail(Spelled(option) + " needs a value (" + option.ValueName + ")");
      }
      *option.Text = option.Value;
      return true;
    case ValueKind::Integer:
      return ParseStrictInteger(option.Value, *option.Integer);  // the validator accepted it
    case ValueKind::Length:
      return ParseLengthOption(option.Value, *option.Integer).empty();
  }
  return false;
}

// What CLI11 leaves to this program: option words with an empty or unwanted "=VALUE" (CLI11
// would take the next word instead), and naming the option of a missing value.
bool OptionParser::CheckSpelling(bool valueMissing) {
  for (size_t i = 0; i < args_.size(); ++i) {
    const std::string& word = args_[i];
    if (word == "--") break;
    const size_t eq = word.find('=');
    const Option* option = Find(word.substr(0, eq));
    if (!option || !LooksLikeOption(word)) continue;
    const std::string name = word.substr(0, eq);
    if (eq != std::string::npos && option->Kind == ValueKind::Flag)
      return Fail(name + " takes no value");
    if (eq + 1 == word.size() && option->Kind == ValueKind::Text)
      return Fail(name + " needs a non-empty " + option->ValueName);
    if (eq + 1 == word.size() && option->Kind == ValueKind::Length)
      return Fail(name + ": no length given");
    if (eq + 1 == word.size())
      return Fail(name + " needs a whole number for " + option->ValueName + ", not ''");
    if (valueMissing && eq == std::string::npos && option->Kind != ValueKind::Flag &&
        i + 1 == args_.size()) {
      return Fail(name + " needs a value (" + option->ValueName + ")");
    }
  }
  return true;
}

bool OptionParser::Parse(const CommandArgs& args) {
  error_.clear();
  helpAsked_ = false;
  args_ = args;
  if (rest_) {
    rest_->clear();
    if (!app_->get_option_no_throw(restName_))
      app_->add_option(restName_, *rest_, restHelp_)->type_name("");
  }
  if (!CheckSpelling(false)) return false;

  try {
    std::vector<std::string> reversed(args.rbegin(),
                                      args.rend());  // CLI11 takes the words last first
    app_->parse(reversed);
  } catch (const CLI::CallForHelp&) {
    helpAsked_ = true;
    return false;
  } catch (const CLI::ValidationError& e) {
    for (const Option& o : options_) {
      if (!o.Problem.empty())
        return Fail(Spelled(o) + (o.Problem[0] == ':' ? "" : " ") + o.Problem);
    }
    return Fail(e.what());
  } catch (const CLI::ParseError& e) {
    if (!CheckSpelling(true)) return false;
    return Fail(e.what());
  }

  for (const std::string& word : app_->remaining()) {
    if (LooksLikeOption(word) && word != "--")
      return Fail("unknown option '" + word.substr(0, word.find('=')) + "'");
  }
  for (Option& o : options_) {
    const size_t count = app_->get_option(o.Names.front())->count();
    if (count > 1) return Fail(Spelled(o) + " is given more than once");
    o.Given = count == 1;
  }
  for (const Single& s : singles_) {
    if (!s.Optional && app_->get_option(s.Name)->count() == 0) return Fail("missing " + s.Name);
  }
  if (rest_ && static_cast<int>(rest_->size()) < restMinimum_) return Fail("missing " + restName_);
  for (const std::string& word : app_->remaining()) {
    if (word != "--") return Fail("unexpected argument '" + word + "'");
  }
  for (Option& o : options_) {
    if (o.Given && !Take(o)) return false;
  }
  for (const Option& o : options_) {
    if (o.Required && !o.Given) return Fail("missing " + o.Names.front() + " " + o.ValueName);
  }
  return true;
}

bool OptionParser::Given(const std::string& name) const {
  const Option* o = Find(name);
  return o && o->Given;
}

std::string OptionParser::Help() const { return app_->help(); }

int UsageExit(const OptionParser& parser) {
  if (parser.HelpAsked()) {
    std::fputs(parser.Help().c_str(), stdout);
    return ExitSuccess;
  }
  std::fprintf(stderr, "kerfwright %s: %s\nTry 'kerfwright %s --help'.\n", parser.Verb().c_str(),
               PrintableText(parser.Error()).c_str(), parser.Verb().c_str());
  return ExitCannotRun;
}

void AddReachOption(OptionParser& parser, int& reach) {
  parser.Length({"--reach"}, "LENGTH", reach, 0, 500,
                "how high the table raises a bit's lowest edge (1 1/2\" unless given)");
}

}  // namespace kerf
