#include "core/reports/schedule_export.h"

#include "core/io/file_ops.h"
#include "core/reports/schedule_week.h"
#include "core/text/cp1251.h"
#include "core/text/texts.h"
#include "core/text/utf8.h"

namespace vorla::reports {

using text::TextId;

namespace {

constexpr const char* kHeader =
    "Week\tInTalkTitle\tInSpeaker\tInSpkPhone\tInSpeakerCong\tChairman\tReader\tHospitality\t"
    "OutSpeaker\tOutCong\tOutTime\tOutTalk\tOutSpeaker2\tOutCong2\tOutTime2\tOutTalk2\t"
    "OutSpeaker3\tOutCong3\tOutTime3\tOutTalk3\tOutSpeaker4\tOutCong4\tOutTime4\tOutTalk4\t"
    "OutSpeaker5\tOutCong5\tOutTime5\tOutTalk5\tOutSpeaker6\tOutCong6\tOutTime6\tOutTalk6\tInTalk";

std::string phone_of(const store::Document& doc, std::uint16_t brother_id) {
    const auto pos = doc.brothers().find(brother_id);
    if (!pos) return {};
    const auto record = doc.brothers().read(doc.folder(), *pos);
    return record ? record->phone : std::string();
}

void field(std::string& line, const std::string& value) {
    line += value;
    line += '\t';
}

std::string week_line(const store::Document& doc, calendar::WeekIndex i) {
    const store::WeekRecord& w = doc.weeks().at(i);
    const store::BrotherIndex& brothers = doc.brothers();
    const store::CongregationIndex& congs = doc.congregations();
    std::string line;
    field(line, doc.date_label(i.number(), kScheduleLabelStyle));
    field(line, incoming_talk_text(doc, i));
    field(line, w.event_kind() == store::EventKind::overseer_visit
                    ? overseer_visit_name(doc, i)
                    : brothers.name_of(w.speaker_id));
    field(line, phone_of(doc, w.speaker_id));
    field(line, congs.name_of(w.speaker_cong_id));
    field(line, brothers.name_of(w.chairman_id));
    field(line, brothers.name_of(w.reader_id));
    field(line, doc.hosts().name_of(w.host_id));
    for (std::size_t k = 0; k < store::WeekRecord::kOutPlaces; ++k) {
        field(line, brothers.name_of(w.out_speaker_id[k]));
        field(line, congs.name_of(w.out_cong_id[k]));
        field(line, congs.meeting_time(w.out_cong_id[k], i, doc.settings().service_year));
        field(line, doc.talks().number_text(w.out_talk_no[k]));
    }
    line += doc.talks().number_text(w.talk_no);
    return line;
}

}  // namespace

std::string schedule_export_text(const store::Document& doc, calendar::WeekIndex first, int count) {
    std::string out = kHeader;
    out += "\r\n\r\n";
    for (int k = 0; k < count; ++k) {
        out += week_line(doc, first + k);
        out += "\r\n";
    }
    return out;
}

std::optional<std::filesystem::path> write_schedule_export(const store::Document& doc,
                                                           calendar::WeekIndex first, int count,
                                                           const std::filesystem::path& to) {
    const std::filesystem::path path =
        to.empty() ? doc.folder().file(std::string_view(kScheduleExportName)) : to;
    if (count <= 0) return std::nullopt;
    if (!doc.folder().replace(path, text::utf8_to_cp1251(schedule_export_text(doc, first, count))))
        return std::nullopt;
    return path;
}

bool export_schedule(const store::Document& doc, calendar::WeekIndex first, int count) {
    if (!write_schedule_export(doc, first, count)) return false;
    const std::string folder = text::left(doc.folder().folder().string(), 300);
    doc.prompter().inform(text::format(TextId::schedule_exported_to, folder));
    return true;
}

}  // namespace vorla::reports
