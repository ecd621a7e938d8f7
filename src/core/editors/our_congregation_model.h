#pragma once
// "Наше Собрание": which congregation is ours, and the way to its record, its three local
// lists, the hospitality list and its data package. It keeps no data of its own; its buttons
// open the dialogs that do.
#include <cstdint>
#include <optional>
#include <string>

#include "core/editors/local_role_list_model.h"
#include "core/store/document.h"

namespace vorla::editors {

class OurCongregationModel {
  public:
    explicit OurCongregationModel(store::Document& doc) : doc_(doc) {}

    bool chosen() const { return doc_.our_congregation() != 0; }
    // Our congregation's name, or the dialog's own caption while none is chosen.
    std::string title() const;
    // "Изменить Собрание" / "Выбрать Собрание".
    std::string choose_caption() const;
    // "Уходящие докладчики  ( n )" and the like: the brothers on each list.
    std::string list_caption(store::LocalRole role) const;
    // "Гостеприимство  ( n )": the hospitality entries.
    std::string hospitality_caption() const;
    // Every button but the first needs our congregation.
    bool buttons_enabled() const { return chosen(); }
    bool readers_visible() const { return doc_.settings().readers_scheduled; }
    bool hospitality_visible() const { return doc_.settings().hospitality_scheduled; }

    // The congregation chooser opens on ours.
    std::optional<std::size_t> chooser_preselect() const;
    // After the chooser: on OK (a position) that congregation becomes ours. Either way the
    // settings file gets our congregation's number and the local brothers are found again.
    void choose(std::optional<std::size_t> cong_pos);
    // The local-role list of one of the three lists.
    static LocalRoleListParams list_params(store::LocalRole role);

  private:
    store::Document& doc_;
};

}  // namespace vorla::editors
