#pragma once

// The generic keys of the configuration: booleans and integers stored as child
// elements of one section each, named after the key.

#include <QString>

enum class TVnConfigBoolKey {
  Tips,
  DownloadTips,
  CheckOnOpen,
  ProjectLogging,
  DescriptionsPrompting,
  NativeIfFatal,
  ShowInvisible,
  ShowProgress,
  Overwrite,
  UpdateInfo,
  PromptDuplicate,
  ValidateBuild,
  AllowClearRowStatus,
  LogWindow,
  CreateBackups,
  DisabledAfterError,
  AutoTranslate,
  CheckQuots,
  ScannerDialogCloseSelf,
  UnprintableChars,
  CheckSerbian,
  ShowTutorial,
  BatchDialogCloseSelf,
  SwitchLangByColumns,
  BatchLangCopyActive,
  OverwriteTrans,
  PromptOverwrite,
  CheckScannerLangs,
  SimpleNavigation,
  DecodeTargetPath,
  OverrideTranslations,
  StopOnFatal,
  StopOnNormal,
  CloseOnDone,
};

enum class TVnConfigIntKey {
  LastTip,
  TransPriority,
  RowCommentsPriority,
  TransCommentsPriority,
  SwitchImpLangMode,
  MaxReportFiles,
  TransStatus,
  CopyScope,
};

/// One row of a key table: the element name, the section element that holds it
/// and the value read when the element is missing or unreadable.
template <typename TValue> struct TVnConfigKeyInfo {
  const char *Name;
  const char *Section;
  TValue Default;
};

const TVnConfigKeyInfo<bool> &VnKeyInfo(TVnConfigBoolKey key);
const TVnConfigKeyInfo<int> &VnKeyInfo(TVnConfigIntKey key);

/// Number of keys of each kind, for loops over every key.
int VnBoolKeyCount();
int VnIntKeyCount();
