#pragma once

#include <deque>
#include <vector>

#include "common/Reporter.h"

namespace miro::test {

// Records every message and answers questions from a script (then with the safe default).
class RecordingReporter : public Reporter {
 public:
  Answer show(const Message& message) override;

  void script(std::initializer_list<Answer> answers) { answers_.insert(answers_.end(), answers); }

  std::vector<Message> messages;

 private:
  std::deque<Answer> answers_;
};

}  // namespace miro::test
