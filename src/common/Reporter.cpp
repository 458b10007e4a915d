#include "common/Reporter.h"

#include <ostream>

#include "common/Strings.h"

namespace miro {

void Reporter::error(std::string_view text, std::string_view file) {
  show({std::string(text), std::string(strings::text(strings::kError)), MessageIcon::Error, MessageButtons::Ok,
        std::string(file)});
}

void Reporter::notice(std::string_view text) {
  show({std::string(text), std::string(strings::text(strings::kReport)), MessageIcon::Information,
        MessageButtons::Ok, {}});
}

Answer Reporter::ask(std::string_view text, MessageButtons buttons) {
  return show({std::string(text), std::string(strings::text(strings::kConfirmation)), MessageIcon::Question,
               buttons, {}});
}

Answer safeDefault(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok: return Answer::Ok;
    case MessageButtons::YesNo: return Answer::No;
    case MessageButtons::YesNoCancel: return Answer::Cancel;
  }
  return Answer::Cancel;
}

ConsoleReporter::ConsoleReporter(std::ostream& out, std::string programName)
    : out_(out), programName_(std::move(programName)) {}

Answer ConsoleReporter::show(const Message& message) {
  const Answer answer = safeDefault(message.buttons);
  if (message.icon == MessageIcon::Error) ++errors_;
  out_ << programName_ << ": " << message.caption << ": ";
  if (!message.file.empty()) out_ << message.file << ": ";
  out_ << message.text;
  if (message.buttons != MessageButtons::Ok) out_ << " [answered " << (answer == Answer::No ? "No" : "Cancel") << "]";
  out_ << '\n';
  return answer;
}

}  // namespace miro
