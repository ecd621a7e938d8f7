#pragma once
// What the record editors (brother, congregation) share: the editor works on copies of one
// record; OK and the step buttons validate the fields, copy them into the record and save it,
// and a step then loads the neighbour the list that opened the editor gives.
#include <cstddef>
#include <optional>

namespace vorla::editors {

class RecordEditor {
  public:
    virtual ~RecordEditor() = default;

    // OK saves when the data is valid and says whether the editor closes. Invalid data has
    // been explained to the user and stays in the editor, so that nothing typed is lost.
    bool ok();
    // "Пред." (-1) / "След." (+1): saves, then loads the neighbour in the list.
    bool step(int delta);
    // Whether anything was saved while the editor was open.
    bool saved() const { return saved_; }

  protected:
    RecordEditor() = default;
    RecordEditor(const RecordEditor&) = default;
    RecordEditor& operator=(const RecordEditor&) = default;

    // The step buttons work: the record is saved already and a list opened the editor.
    virtual bool can_step() const = 0;
    // Explains to the user what is wrong, when something is.
    virtual bool validate() = 0;
    // The fields into the record copies.
    virtual void copy() = 0;
    virtual void save() = 0;
    // The position of the line delta away from the record's in the list, wrapping.
    virtual std::optional<std::size_t> neighbour(int delta) = 0;
    // Reads the record at the index position into the copies and the fields.
    virtual void load(std::optional<std::size_t> position) = 0;

    bool saved_ = false;
};

}  // namespace vorla::editors
