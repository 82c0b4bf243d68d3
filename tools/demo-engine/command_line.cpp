#include "command_line.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

#include "utils/numbers.h"

namespace demo_engine {
namespace {

struct Switch {
  std::string_view name;
  bool TaggingOptions::*member;
};

constexpr Switch kSwitches[] = {
    {"-token", &TaggingOptions::token},
    {"-lemma", &TaggingOptions::lemma},
    {"-no-unknown", &TaggingOptions::no_unknown},
    {"-sgml", &TaggingOptions::sgml},
    {"-pt-with-prob", &TaggingOptions::manual_probabilities},
    {"-pt-with-lemma", &TaggingOptions::manual_lemmas},
    {"-cap-heuristics", &TaggingOptions::cap_heuristics},
    {"-hyphen-heuristics", &TaggingOptions::hyphen_heuristics},
    {"-base", &TaggingOptions::lexical_only},
    {"-prob", &TaggingOptions::probabilities},
    {"-ignore-prefix", &TaggingOptions::ignore_prefix},
};

struct LexicalInfoFlag {
  std::string_view name;
  LexicalInfo value;
};

constexpr LexicalInfoFlag kLexicalInfoFlags[] = {{"-proto", LexicalInfo::kProto},
                                                 {"-gramotron", LexicalInfo::kGramotron},
                                                 {"-proto-with-prob", LexicalInfo::kProtoWithProb}};

[[noreturn]] void Fail(const std::string& problem) {
  throw std::runtime_error(problem + " (see -help)");
}

class ArgumentReader {
 public:
  explicit ArgumentReader(const std::vector<std::string>& args) : args_(args) {}

  CommandLine Read() {
    if (std::find(args_.begin(), args_.end(), "-help") != args_.end()) {
      CommandLine help;
      help.task = Task::kHelp;
      return help;
    }
    for (; next_ < args_.size(); ++next_) {
      const std::string& arg = args_[next_];
      if (arg.size() > 1 && arg.front() == '-')
        ReadFlag(arg);
      else
        file_names_.push_back(arg);
    }
    return Finish();
  }

 private:
  void ReadFlag(const std::string& flag) {
    for (const Switch& item : kSwitches) {
      if (flag == item.name) {
        result_.tagging.*item.member = true;
        return;
      }
    }
    for (const LexicalInfoFlag& item : kLexicalInfoFlags) {
      if (flag == item.name) {
        result_.tagging.lexical_info = item.value;
        return;
      }
    }
    if (flag == "-quiet") {
      result_.quiet = true;
    } else if (flag == "-eos-tag") {
      result_.tagging.eos_tag = Value(flag);
    } else if (flag == "-threshold") {
      result_.tagging.threshold = Number(flag);
    } else if (flag == "-eps") {
      Number(flag);
    } else if (flag == "-lex") {
      result_.auxiliary_lexicon = Value(flag);
    } else if (flag == "-files") {
      result_.list_file = Value(flag);
      ChooseTask(Task::kTagPairs, flag);
    } else if (flag == "-print-prob-tree") {
      ChooseTask(Task::kProbTree, flag);
    } else if (flag == "-print-suffix-tree") {
      ChooseTask(Task::kSuffixTree, flag);
    } else {
      Fail("Unknown option " + flag);
    }
  }

  void ChooseTask(Task task, const std::string& flag) {
    if (task_flag_.empty()) {
      result_.task = task;
      task_flag_ = flag;
    } else if (task_flag_ != flag) {
      Fail(task_flag_ + " and " + flag + " cannot be combined");
    }
  }

  const std::string& Value(const std::string& flag) {
    if (next_ + 1 >= args_.size())
      Fail(flag + " needs a value");
    return args_[++next_];
  }

  double Number(const std::string& flag) {
    const std::string& text = Value(flag);
    const std::optional<double> number = utils::ParseNumber(text, '.');
    if (!number)
      Fail(flag + " needs a number with a period as decimal point, not \"" + text + "\"");
    return *number;
  }

  CommandLine Finish() {
    if (file_names_.empty())
      Fail("No parameter file given");
    result_.parameter_file = file_names_[0];
    const std::size_t files_allowed = result_.task == Task::kTagFile ? 3 : 1;
    if (file_names_.size() > files_allowed) {
      if (result_.task == Task::kTagFile) {
        Fail("Too many file names: \"" + file_names_[3] +
             "\" (a name with a blank in it must be enclosed in double quotes)");
      }
      Fail("With " + task_flag_ + " no input or output file is named, but \"" + file_names_[1] +
           "\" was");
    }
    if (result_.task == Task::kTagFile) {
      if (file_names_.size() < 2)
        Fail("No input file given");
      result_.input = file_names_[1];
      if (file_names_.size() == 3)
        result_.output = file_names_[2];
    }
    return std::move(result_);
  }

  const std::vector<std::string>& args_;
  std::size_t next_ = 0;
  std::vector<std::string> file_names_;
  std::string task_flag_;
  CommandLine result_;
};

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  return ArgumentReader(args).Read();
}

}  // namespace demo_engine
