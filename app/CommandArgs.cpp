// OptionParser: the argument parser the command-line verbs share (positionals, options, flags).
#include "app/CommandArgs.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>

namespace kerf {

namespace {

bool LooksLikeOption(const std::string& word) {
  if (word.size() < 2 || word[0] != '-') return false;
  int ignored = 0;
  return !ParseInteger(word, ignored);  // "-20" is a number
}

std::string AllowedList(const std::vector<int>& allowed) {
  std::string out;
  for (size_t i = 0; i < allowed.size(); ++i) {
    if (i > 0) out += i + 1 == allowed.size() ? " or " : ", ";
    out += std::to_string(allowed[i]);
  }
  return out;
}

}  // namespace

bool ParseInteger(const std::string& text, int& value) {
  size_t i = text.size() > 0 && text[0] == '-' ? 1 : 0;
  if (i == text.size()) return false;
  int64_t v = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    v = v * 10 + (text[i] - '0');
    if (v > static_cast<int64_t>(INT_MAX) + 1) return false;
  }
  if (text[0] == '-') v = -v;
  if (v < INT_MIN || v > INT_MAX) return false;
  value = static_cast<int>(v);
  return true;
}

void OptionParser::Positional(const std::string& name, std::string& target, bool optional) {
  singles_.push_back({name, &target, optional});
}

void OptionParser::Positionals(const std::string& name, std::vector<std::string>& target, int minimum) {
  restName_ = name;
  rest_ = &target;
  restMinimum_ = minimum;
}

OptionParser::Option& OptionParser::Add(std::initializer_list<const char*> names, const std::string& valueName,
                                        Kind kind) {
  Option& o = options_.emplace_back();
  o.names.assign(names.begin(), names.end());
  o.valueName = valueName;
  o.kind = kind;
  return o;
}

void OptionParser::Flag(std::initializer_list<const char*> names, bool& target) {
  Add(names, "", Kind::Flag).flag = &target;
}

void OptionParser::Text(std::initializer_list<const char*> names, const std::string& valueName,
                        std::string& target, bool required) {
  Option& o = Add(names, valueName, Kind::Text);
  o.text = &target;
  o.required = required;
}

void OptionParser::Integer(std::initializer_list<const char*> names, const std::string& valueName, int& target,
                           int minimum, int maximum) {
  Option& o = Add(names, valueName, Kind::Integer);
  o.integer = &target;
  o.minimum = minimum;
  o.maximum = maximum;
}

void OptionParser::Integer(std::initializer_list<const char*> names, const std::string& valueName, int& target,
                           std::vector<int> allowed) {
  Option& o = Add(names, valueName, Kind::Integer);
  o.integer = &target;
  o.allowed = std::move(allowed);
}

OptionParser::Option* OptionParser::Find(const std::string& name) {
  for (Option& o : options_) {
    if (std::find(o.names.begin(), o.names.end(), name) != o.names.end()) return &o;
  }
  return nullptr;
}

bool OptionParser::Fail(std::string message) {
  error_ = std::move(message);
  return false;
}

bool OptionParser::Take(Option& option, const std::string& spelled, const std::string& value) {
  if (option.kind == Kind::Text) {
    if (value.empty()) return Fail(spelled + " needs a non-empty " + option.valueName);
    *option.text = value;
    return true;
  }
  int number = 0;
  if (!ParseInteger(value, number)) {
    return Fail(spelled + " needs a whole number for " + option.valueName + ", not '" + value + "'");
  }
  if (!option.allowed.empty()) {
    if (std::find(option.allowed.begin(), option.allowed.end(), number) == option.allowed.end()) {
      return Fail(spelled + " must be " + AllowedList(option.allowed) + ", not " + value);
    }
  } else if (number < option.minimum || number > option.maximum) {
    return Fail(spelled + " must be between " + std::to_string(option.minimum) + " and " +
                std::to_string(option.maximum) + ", not " + value);
  }
  *option.integer = number;
  return true;
}

bool OptionParser::Parse(const CommandArgs& args) {
  error_.clear();
  std::vector<std::string> positionals;
  bool optionsEnded = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (optionsEnded || !LooksLikeOption(word)) {
      positionals.push_back(word);
      continue;
    }
    if (word == "--") {
      optionsEnded = true;
      continue;
    }
    std::string name = word;
    std::string inlineValue;
    bool hasInlineValue = false;
    const size_t eq = word.find('=');
    if (word.rfind("--", 0) == 0 && eq != std::string::npos) {
      name = word.substr(0, eq);
      inlineValue = word.substr(eq + 1);
      hasInlineValue = true;
    }
    Option* option = Find(name);
    if (!option) return Fail("unknown option '" + name + "'");
    if (option->given) return Fail(name + " is given more than once");
    option->given = true;
    if (option->kind == Kind::Flag) {
      if (hasInlineValue) return Fail(name + " takes no value");
      *option->flag = true;
      continue;
    }
    if (!hasInlineValue) {
      // "-o --preview" is a forgotten value, not a file named "--preview".
      const bool valueMissing =
          i + 1 >= args.size() ||
          (LooksLikeOption(args[i + 1]) && Find(args[i + 1].substr(0, args[i + 1].find('='))) != nullptr);
      if (valueMissing) {
        return Fail(name + " needs a value (" + option->valueName + ")");
      }
      inlineValue = args[++i];
    }
    if (!Take(*option, name, inlineValue)) return false;
  }

  size_t next = 0;
  for (const Single& s : singles_) {
    if (next < positionals.size()) {
      *s.target = positionals[next++];
    } else if (!s.optional) {
      return Fail("missing " + s.name);
    }
  }
  if (rest_) {
    rest_->assign(positionals.begin() + static_cast<std::ptrdiff_t>(next), positionals.end());
    if (static_cast<int>(rest_->size()) < restMinimum_) return Fail("missing " + restName_);
    next = positionals.size();
  }
  if (next < positionals.size()) return Fail("unexpected argument '" + positionals[next] + "'");
  for (const Option& o : options_) {
    if (o.required && !o.given) return Fail("missing " + o.names.front() + " " + o.valueName);
  }
  return true;
}

bool OptionParser::Given(const std::string& name) const {
  for (const Option& o : options_) {
    if (std::find(o.names.begin(), o.names.end(), name) != o.names.end()) return o.given;
  }
  return false;
}

void PrintUsageError(const OptionParser& parser) {
  std::fprintf(stderr, "kerfwright %s: %s\nTry 'kerfwright %s --help'.\n", parser.Verb().c_str(),
               parser.Error().c_str(), parser.Verb().c_str());
}

}  // namespace kerf
