#pragma once
// Edits accept only what the data files can hold: characters of Windows-1251, and no more
// characters than the field allows.
#include <QValidator>
#include <cstddef>

class QLineEdit;

namespace vorla::gui {

class Cp1251Validator : public QValidator {
  public:
    explicit Cp1251Validator(QObject* parent = nullptr) : QValidator(parent) {}
    State validate(QString& input, int& pos) const override;
};

// Refuses characters Windows-1251 cannot hold; with max_chars > 0, limits the length too.
void guard_text(QLineEdit* edit, std::size_t max_chars = 0);

}  // namespace vorla::gui
