#pragma once
// Command ids of the menus, tool bar and work panel. The ids are those the menu resources
// always had; the status-bar prompt of a command is the string-table text of its id.
namespace vorla::app::cmd {

// Editing
inline constexpr int kBrothers = 32768;
inline constexpr int kTalks = 32782;
inline constexpr int kCongregations = 32844;
inline constexpr int kCircuits = 32845;
inline constexpr int kOurCongregation = 32848;
inline constexpr int kHistory = 32849;
inline constexpr int kTalksWeNeed = 32851;
inline constexpr int kAvailability = 32865;
// Scheduling
inline constexpr int kSummary = 32874;
inline constexpr int kLocalTalks = 32850;
inline constexpr int kChairmen = 32854;
inline constexpr int kHospitality = 32855;
inline constexpr int kReaders = 32856;
inline constexpr int kOutgoing = 32857;
// Viewing: reports and histories
inline constexpr int kSchedule = 32866;
inline constexpr int kSpeakerTalks = 32877;
inline constexpr int kTalkSpeakers = 32878;
inline constexpr int kSpeakerHistory = 32859;
inline constexpr int kTalkHistory = 32858;
inline constexpr int kOutgoingTalkHistory = 32875;
inline constexpr int kAnnualCheck = 32880;
inline constexpr int kOutgoingNotice = 32883;
inline constexpr int kInvitationLetter = 32885;
inline constexpr int kExchangeList = 32887;
inline constexpr int kLocalAssignments = 32888;
inline constexpr int kInvitedList = 32890;
inline constexpr int kOutgoingList = 32891;
inline constexpr int kReadersList = 32893;
inline constexpr int kLocalTalksWorksheet = 32894;
inline constexpr int kLocalSpeakers = 32895;
inline constexpr int kTalkCoordinators = 32896;
// Fonts
inline constexpr int kFontTitle = 32868;
inline constexpr int kFontDate = 32867;
inline constexpr int kFontTalk = 32869;
inline constexpr int kFontCaptions = 32872;
inline constexpr int kFontSpeakers = 32870;
inline constexpr int kFontText = 32791;
inline constexpr int kFontSmall = 32803;
inline constexpr int kFontDefaults = 32813;
// File and program
inline constexpr int kSettings = 32864;
inline constexpr int kExportPackage = 32829;
inline constexpr int kImportPackage = 32876;
inline constexpr int kBackup = 32860;
inline constexpr int kRestore = 32861;
inline constexpr int kBackToPanel = 32787;
inline constexpr int kPrint = 57607;
inline constexpr int kPrintPreview = 57609;
inline constexpr int kPrintSetup = 57606;
inline constexpr int kExit = 57665;
inline constexpr int kHelpContents = 57666;
inline constexpr int kHelpIndex = 57667;
inline constexpr int kContextHelp = 57669;
inline constexpr int kAbout = 57664;
// Saves the report on screen as a PDF file.
inline constexpr int kSavePdf = 32900;

}  // namespace vorla::app::cmd
