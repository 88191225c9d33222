// Refuses an edit whose Shift_JIS form would be longer than a byte limit, or that code page
// 932 cannot hold at all. Characters with a code-page-932 twin (U+301C and the like) are
// shown as that twin, since that is what the field will store. A pasted text is kept up to
// its first line end, as a one-line field takes it.
//
// setText() bypasses validators, which is right for text the program itself puts there.
#pragma once

#include <QValidator>
#include <cstddef>

namespace kz::app {

class SjisValidator final : public QValidator {
  Q_OBJECT

 public:
  // limit 0: no limit, only encodability is checked.
  SjisValidator(std::size_t limit, QObject* parent);

  State validate(QString& input, int& pos) const override;

 private:
  std::size_t limit_;
};

}  // namespace kz::app
