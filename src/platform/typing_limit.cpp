#include "platform/typing_limit.h"

#include <QLineEdit>
#include <QValidator>
#include <algorithm>

namespace pellavan::platform {
namespace {

constexpr const char* kLimit = "typing_limit";

// Every change of the text passes here, whether signals are blocked or not. A text the program
// sets leaves the box unmodified and passes. An edit that would pass the limit keeps only what
// fits of what was typed or pasted; a longer text the program set may be shortened.
class TypingLimit : public QValidator {
 public:
  explicit TypingLimit(QLineEdit* box) : QValidator(box), box_(box), before_(box->text().size()) {}

  State validate(QString& input, int& pos) const override {
    const int limit = typing_limit(box_);
    const qsizetype over = input.size() - std::max<qsizetype>(limit, before_);
    if (limit > 0 && box_->isModified() && over > 0) {
      const qsizetype typed = input.size() - before_;  // what this edit added, ending at pos
      const qsizetype cut = std::min(over, typed);
      input.remove(pos - cut, cut);
      pos -= static_cast<int>(cut);
    }
    before_ = input.size();
    return Acceptable;
  }

 private:
  const QLineEdit* box_;
  mutable qsizetype before_;  // the length of the text before the edit validated next
};

}  // namespace

void set_typing_limit(QLineEdit* box, int limit) {
  if (limit > 0 && box->validator() == nullptr) box->setValidator(new TypingLimit(box));
  box->setProperty(kLimit, limit);
}

int typing_limit(const QLineEdit* box) { return box->property(kLimit).toInt(); }

}  // namespace pellavan::platform
