#include "support/RecordingReporter.h"

namespace miro::test {

Answer RecordingReporter::show(const Message& message) {
  messages.push_back(message);
  if (message.buttons == MessageButtons::Ok) return Answer::Ok;
  if (answers_.empty()) return safeDefault(message.buttons);
  const Answer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

}  // namespace miro::test
