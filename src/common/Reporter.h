#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace miro {

enum class MessageIcon { Error, Information, Question };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

struct Message {
  std::string text;
  std::string caption;
  MessageIcon icon = MessageIcon::Information;
  MessageButtons buttons = MessageButtons::Ok;
  std::string file;  // the file a message about damaged data is about, when its text does not name it
};

// The one channel by which code outside the window reports errors and notices and asks
// questions. The window shows message boxes; the command-line tools print.
class Reporter {
 public:
  virtual ~Reporter() = default;

  virtual Answer show(const Message& message) = 0;

  // Caption "Error", stop icon.
  void error(std::string_view text, std::string_view file = {});
  // Caption "Report", information icon.
  void notice(std::string_view text);
  // Caption "Confirmation", question icon.
  Answer ask(std::string_view text, MessageButtons buttons);
};

// The answer that changes nothing: No, or Cancel where it is offered.
Answer safeDefault(MessageButtons buttons);

// Prints errors and notices to a stream (standard error) and answers every question
// with its safe default.
class ConsoleReporter : public Reporter {
 public:
  ConsoleReporter(std::ostream& out, std::string programName);
  Answer show(const Message& message) override;
  // How many errors were shown: a run that showed one has not fully succeeded.
  int errorCount() const { return errors_; }

 private:
  std::ostream& out_;
  std::string programName_;
  int errors_ = 0;
};

}  // namespace miro
