#include "config/VnConfigKeys.h"


#include <array>
#include <cstddef>

namespace {

using TBoolRow = std::pair<TVnConfigBoolKey, TVnConfigKeyInfo<bool>>;
using TIntRow = std::pair<TVnConfigIntKey, TVnConfigKeyInfo<int>>;

// Rows follow the enumeration's order; the static checks below keep them in step.
constexpr std::array kBoolKeys{
    TBoolRow{TVnConfigBoolKey::Tips, {"tips", "dialogs", true}},
    TBoolRow{TVnConfigBoolKey::DownloadTips, {"download_tips", "dialogs", true}},
    TBoolRow{TVnConfigBoolKey::CheckOnOpen, {"check_onopen", "project_integrity_check", true}},
    TBoolRow{TVnConfigBoolKey::ProjectLogging, {"project_logging", "projects", true}},
    TBoolRow{TVnConfigBoolKey::DescriptionsPrompting, {"descriptions_prompting", "dialogs", true}},
    TBoolRow{TVnConfigBoolKey::NativeIfFatal, {"native_if_fatal", "validation_settings", false}},
    TBoolRow{TVnConfigBoolKey::ShowInvisible, {"show_invisible", "tree", false}},
    TBoolRow{TVnConfigBoolKey::ShowProgress, {"show_progress", "tree", true}},
    TBoolRow{TVnConfigBoolKey::Overwrite, {"overwrite", "batch_translation_settings", false}},
    TBoolRow{TVnConfigBoolKey::UpdateInfo, {"updateinfo", "importers", false}},
    TBoolRow{TVnConfigBoolKey::PromptDuplicate, {"prompt_duplicate", "batch_translation_settings", false}},
    TBoolRow{TVnConfigBoolKey::ValidateBuild, {"validatebuild", "validation_settings", true}},
    TBoolRow{TVnConfigBoolKey::AllowClearRowStatus, {"allow_clear_rowstatus", "environment", false}},
    TBoolRow{TVnConfigBoolKey::LogWindow, {"log_window", "environment", true}},
    TBoolRow{TVnConfigBoolKey::CreateBackups, {"create_backups", "environment", true}},
    TBoolRow{TVnConfigBoolKey::DisabledAfterError, {"disabled_after_error", "environment", true}},
    TBoolRow{TVnConfigBoolKey::AutoTranslate, {"auto_translate", "productivity_expert", true}},
    TBoolRow{TVnConfigBoolKey::CheckQuots, {"check_quots", "project_integrity_check", true}},
    TBoolRow{TVnConfigBoolKey::ScannerDialogCloseSelf, {"scanner_dialog_close_self", "dialogs", false}},
    TBoolRow{TVnConfigBoolKey::UnprintableChars, {"unprintable_chars", "grid", false}},
    TBoolRow{TVnConfigBoolKey::CheckSerbian, {"check_serbian", "project_integrity_check", false}},
    TBoolRow{TVnConfigBoolKey::ShowTutorial, {"show_tutorial", "dialogs", true}},
    TBoolRow{TVnConfigBoolKey::BatchDialogCloseSelf, {"batch_dialog_close_self", "dialogs", false}},
    TBoolRow{TVnConfigBoolKey::SwitchLangByColumns, {"switch_lang_by_columns", "grid", true}},
    TBoolRow{TVnConfigBoolKey::BatchLangCopyActive, {"active", "batch_lang_copy", false}},
    TBoolRow{TVnConfigBoolKey::OverwriteTrans, {"overwrite_trans", "batch_lang_copy", false}},
    TBoolRow{TVnConfigBoolKey::PromptOverwrite, {"prompt_overwrite", "batch_lang_copy", false}},
    TBoolRow{TVnConfigBoolKey::CheckScannerLangs, {"check_scanner_langs", "project_integrity_check", true}},
    TBoolRow{TVnConfigBoolKey::SimpleNavigation, {"simple_navigation", "grid", false}},
    TBoolRow{TVnConfigBoolKey::DecodeTargetPath, {"decode_target_path", "tree", false}},
    TBoolRow{TVnConfigBoolKey::OverrideTranslations, {"override_translations", "batch_translation_settings", false}},
    TBoolRow{TVnConfigBoolKey::StopOnFatal, {"stop_on_fatal", "batch_translation_settings", true}},
    TBoolRow{TVnConfigBoolKey::StopOnNormal, {"stop_on_normal", "batch_translation_settings", true}},
    TBoolRow{TVnConfigBoolKey::CloseOnDone, {"close_on_done", "batch_translation_settings", false}},
};

constexpr std::array kIntKeys{
    TIntRow{TVnConfigIntKey::LastTip, {"last_tip", "dialogs", -1}},
    TIntRow{TVnConfigIntKey::TransPriority, {"trans_priority", "importers", 0}},
    TIntRow{TVnConfigIntKey::RowCommentsPriority, {"row_comments_priority", "importers", 1}},
    TIntRow{TVnConfigIntKey::TransCommentsPriority, {"trans_comments_priority", "importers", 1}},
    TIntRow{TVnConfigIntKey::SwitchImpLangMode, {"switch_imp_lang_mode", "dialogs", 0}},
    TIntRow{TVnConfigIntKey::MaxReportFiles, {"max_report_files", "environment", 0}},
    TIntRow{TVnConfigIntKey::TransStatus, {"trans_status", "batch_lang_copy", -1}},
    TIntRow{TVnConfigIntKey::CopyScope, {"copy_scope", "batch_lang_copy", 0}},
};

template <typename TRows> constexpr bool InEnumOrder(const TRows &rows) {
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (std::size_t(rows[i].first) != i)
      return false;
  return true;
}
static_assert(InEnumOrder(kBoolKeys), "boolean key table out of order");
static_assert(InEnumOrder(kIntKeys), "integer key table out of order");
static_assert(std::size_t(TVnConfigBoolKey::CloseOnDone) + 1 == kBoolKeys.size());
static_assert(std::size_t(TVnConfigIntKey::CopyScope) + 1 == kIntKeys.size());

} // namespace

const TVnConfigKeyInfo<bool> &VnKeyInfo(TVnConfigBoolKey key) {
  return kBoolKeys[std::size_t(key)].second;
}

const TVnConfigKeyInfo<int> &VnKeyInfo(TVnConfigIntKey key) {
  return kIntKeys[std::size_t(key)].second;
}

int VnBoolKeyCount() { return int(kBoolKeys.size()); }

int VnIntKeyCount() { return int(kIntKeys.size()); }
