#include "core/editors/table_save.h"

#include "core/store/table_file.h"

namespace vorla::editors {

namespace {

template <class Table, class Record>
bool save_table(store::Document& doc, const Table& table, std::string_view file_name) {
    if (table.size() != 0) return table.save(doc.folder());
    const auto path = doc.folder().file(file_name);
    if (!io::file_exists(path)) return true;
    return store::write_table_file<Record>(doc.folder(), path, {});
}

}  // namespace

bool save_circuits(store::Document& doc) {
    return save_table<store::NamedTable, store::NamedRecord>(doc, doc.circuits(),
                                                             store::files::kCircuits);
}

bool save_hosts(store::Document& doc) {
    return save_table<store::NamedTable, store::NamedRecord>(doc, doc.hosts(),
                                                             store::files::kHosts);
}

bool save_topics(store::Document& doc) {
    return save_table<store::TopicTable, store::TopicRecord>(doc, doc.topics(),
                                                             store::files::kTopics);
}

}  // namespace vorla::editors
